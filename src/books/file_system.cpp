#include "file_system.h"

namespace tome {

IoStatus ReplaceFileContent(FileSystem& fs, const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string target;
    IoStatus status = fs.ResolveLinks(path, target);
    if (!status.ok) return status;
    FileSystem::Handle handle = 0;
    std::string tempPath;
    status = fs.CreateTemp(target, handle, tempPath);
    if (!status.ok) return status;

    status = fs.Write(handle, bytes.data(), bytes.size());
    if (status.ok) status = fs.Flush(handle);
    const IoStatus closed = fs.Close(handle);
    if (status.ok) status = closed;
    if (status.ok) status = fs.MoveOver(tempPath, target);
    if (!status.ok) fs.Remove(tempPath);
    return status;
}

}  // namespace tome
