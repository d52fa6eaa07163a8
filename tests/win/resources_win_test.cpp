// The resources built into Tomecase.exe: icon, cursor, manifest, version block.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "win_test_support.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

const std::string ProgramPath = tome_test::WinePath(TOMECASE_EXE_UNIX_PATH);

#pragma pack(push, 2)
struct GroupEntry {  // one image of an icon or cursor group resource
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupHeader {
    WORD reserved;
    WORD type;  // 1 icon, 2 cursor
    WORD count;
};
#pragma pack(pop)

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        program = LoadLibraryExA(ProgramPath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(program, nullptr) << ProgramPath;
    }
    void TearDown() override {
        if (program) FreeLibrary(program);
    }

    std::string Resource(LPCSTR name, LPCSTR type) {
        HRSRC found = FindResourceA(program, name, type);
        if (!found) return "";
        const char* data = static_cast<const char*>(LockResource(LoadResource(program, found)));
        return std::string(data, SizeofResource(program, found));
    }

    HMODULE program = nullptr;
};

TEST_F(ProgramResources, IconGroupIsOne32By32ImageIn16Colours) {
    const std::string group = Resource("TOMECASE", RT_GROUP_ICON);
    ASSERT_GE(group.size(), sizeof(GroupHeader) + sizeof(GroupEntry));
    GroupHeader header;
    GroupEntry entry;
    std::memcpy(&header, group.data(), sizeof header);
    std::memcpy(&entry, group.data() + sizeof header, sizeof entry);
    EXPECT_EQ(header.type, 1);
    EXPECT_EQ(header.count, 1);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);

    std::string image = Resource(MAKEINTRESOURCEA(entry.id), RT_ICON);
    ASSERT_FALSE(image.empty());
    HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&image[0]), static_cast<DWORD>(image.size()),
                                          TRUE, 0x00030000, 32, 32, 0);
    ASSERT_NE(icon, nullptr);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour;
    ASSERT_TRUE(GetObjectA(info.hbmColor, sizeof colour, &colour));
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(ProgramResources, HandCursorIsMonochromeWithItsHotSpotAtTheFingertip) {
    const std::string group = Resource("HAND", RT_GROUP_CURSOR);
    ASSERT_GE(group.size(), sizeof(GroupHeader) + 14);
    GroupHeader header;
    std::memcpy(&header, group.data(), sizeof header);
    EXPECT_EQ(header.type, 2);
    ASSERT_EQ(header.count, 1);
    // A cursor group entry: width, height (doubled: image and mask), planes,
    // bit count, bytes, id.
    WORD width, height, bitCount, id;
    const char* e = group.data() + sizeof header;
    std::memcpy(&width, e, 2);
    std::memcpy(&height, e + 2, 2);
    std::memcpy(&bitCount, e + 6, 2);
    std::memcpy(&id, e + 12, 2);
    EXPECT_EQ(width, 32);
    EXPECT_EQ(height, 64);
    EXPECT_EQ(bitCount, 1);

    std::string image = Resource(MAKEINTRESOURCEA(id), RT_CURSOR);
    ASSERT_GT(image.size(), 4u);
    HCURSOR cursor = reinterpret_cast<HCURSOR>(CreateIconFromResourceEx(
        reinterpret_cast<BYTE*>(&image[0]), static_cast<DWORD>(image.size()), FALSE, 0x00030000, 32, 32, 0));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info;
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_EQ(info.hbmColor, nullptr);  // monochrome: AND and XOR masks in one bitmap
    BITMAP mask;
    ASSERT_TRUE(GetObjectA(info.hbmMask, sizeof mask, &mask));
    ASSERT_EQ(mask.bmWidth, 32);
    ASSERT_EQ(mask.bmHeight, 64);

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmMask);
    auto opaque = [&](int x, int y) { return GetPixel(dc, x, y) == RGB(0, 0, 0); };  // AND mask 0
    // The tip of the finger: the hot spot is drawn, and nothing is drawn above it.
    EXPECT_TRUE(opaque(static_cast<int>(info.xHotspot), static_cast<int>(info.yHotspot)));
    for (int y = 0; y < static_cast<int>(info.yHotspot); ++y)
        for (int x = 0; x < 32; ++x) EXPECT_FALSE(opaque(x, y)) << x << "," << y;
    int drawn = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) drawn += opaque(x, y);
    EXPECT_GT(drawn, 100);  // a hand, not a dot
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
}

// The manifest's architecture is the program's own: a 64-bit program that
// asks for the x86 common controls does not start.
#ifdef _WIN64
constexpr char BuildArchitecture[] = "amd64";
#else
constexpr char BuildArchitecture[] = "x86";
#endif

TEST_F(ProgramResources, ManifestAsksForCommonControls6OfTheBuildsArchitecture) {
    const std::string manifest = Resource(MAKEINTRESOURCEA(1), RT_MANIFEST);
    const std::string arch = std::string("processorArchitecture=\"") + BuildArchitecture + "\"";
    EXPECT_THAT(manifest, HasSubstr("name=\"Verdanth.Tomecase\" version=\"2.5.0.0\" " + arch + "/>"));
    EXPECT_THAT(manifest, HasSubstr("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_THAT(manifest, HasSubstr(arch + " publicKeyToken=\"6595b64144ccf1df\""));
    EXPECT_THAT(manifest, Not(HasSubstr("@")));
}

std::string VersionValue(const std::vector<char>& block, const std::string& name) {
    char* value = nullptr;
    UINT length = 0;
    const std::string query = "\\StringFileInfo\\040904E4\\" + name;
    if (!VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) return "<none>";
    return std::string(value, length > 0 ? length - 1 : 0);
}

TEST(ProgramVersion, NamesProductCompanyAndVersion) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(ProgramPath.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(ProgramPath.c_str(), 0, size, block.data()));
    EXPECT_EQ(VersionValue(block, "ProductName"), "Tomecase");
    EXPECT_EQ(VersionValue(block, "CompanyName"), "Verdanth");
    EXPECT_EQ(VersionValue(block, "ProductVersion"), "2.05");
    EXPECT_EQ(VersionValue(block, "FileVersion"), "2.05");

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(5, 2)));
}

// Tomecase.exe is a GUI program for the same machine as this test program.
TEST(ProgramImage, IsAWindowsGuiProgramOfTheBuildsArchitecture) {
#ifdef _WIN64
    using NtHeaders = IMAGE_NT_HEADERS64;
    constexpr WORD machine = IMAGE_FILE_MACHINE_AMD64, magic = IMAGE_NT_OPTIONAL_HDR64_MAGIC;
#else
    using NtHeaders = IMAGE_NT_HEADERS32;
    constexpr WORD machine = IMAGE_FILE_MACHINE_I386, magic = IMAGE_NT_OPTIONAL_HDR32_MAGIC;
#endif
    const std::string bytes = tome_test::ReadBytes(ProgramPath);
    ASSERT_GT(bytes.size(), 0x200u);
    IMAGE_DOS_HEADER dos;
    std::memcpy(&dos, bytes.data(), sizeof dos);
    ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
    NtHeaders nt;
    ASSERT_LE(static_cast<size_t>(dos.e_lfanew) + sizeof nt, bytes.size());
    std::memcpy(&nt, bytes.data() + dos.e_lfanew, sizeof nt);
    EXPECT_EQ(nt.Signature, static_cast<DWORD>(IMAGE_NT_SIGNATURE));
    EXPECT_EQ(nt.FileHeader.Machine, machine);
    EXPECT_EQ(nt.OptionalHeader.Magic, magic);
    EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
