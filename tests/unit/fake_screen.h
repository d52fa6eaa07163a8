// Stand-ins for the visible column list and the main window's texts that
// behave like the real controls where list filling and Find can tell.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "books/list_filling.h"

namespace tome::testing {

class FakeList final : public VisibleList {
public:
    struct Row {
        std::string text;
        int32_t item = 0;
    };

    // Like the column list: SetRowCount(0) keeps the arrays, the next AddRow
    // writes row 1 again.
    void SetRowCount(int32_t count) override {
        calls.push_back("SetRowCount(" + std::to_string(count) + ")");
        rowCount = count;
    }
    void AddRow(const std::string& text, int32_t itemValue) override {
        ++rowCount;
        if (static_cast<size_t>(rowCount) > rows.size()) rows.resize(static_cast<size_t>(rowCount));
        rows[static_cast<size_t>(rowCount - 1)] = {text, itemValue};
    }
    void Redisplay() override { calls.push_back("Redisplay"); }
    void SelectRow(int32_t position, int32_t top) override {
        calls.push_back("SelectRow(" + std::to_string(position) + "," + std::to_string(top) + ")");
        current = std::max(std::abs(position), 1);
    }
    int32_t CurrentRow() const override { return rowCount == 0 ? 0 : current; }
    int32_t ItemDataAt(int32_t position) const override {
        if (position < 1 || static_cast<size_t>(position) > rows.size()) return 0;
        return rows[static_cast<size_t>(position - 1)].item;
    }

    std::vector<Row> shownRows() const { return {rows.begin(), rows.begin() + rowCount}; }

    int32_t rowCount = 0;
    int32_t current = 0;
    std::vector<Row> rows;
    std::vector<std::string> calls;  // everything but AddRow, in order
};

class FakeWindow final : public MainWindowTexts {
public:
    void SetStatusText(int32_t part, const std::string& text) override {
        ASSERT_TRUE(part >= 1 && part <= 3) << "status part " << part;
        status[static_cast<size_t>(part)] = text;
    }
    std::string FindText() const override { return findText; }
    // Setting the text raises the change notification, as the edit control does.
    void SetFindText(const std::string& text) override {
        ++textsSetByCode;
        findText = text;
        Changed();
    }
    void SetFindCaret(int32_t position) override { caret = position; }
    void SetFindResult(const std::string& text) override { findResult = text; }

    // The user typing: the whole new text, then the change notification.
    void Type(const std::string& text) {
        findText = text;
        Changed();
    }

    std::function<void()> onChange;  // runs FindNext in tests
    std::string status[4];
    std::string findText = "Author/Title";
    std::string findResult;
    int32_t caret = -1;
    int textsSetByCode = 0;
    int changes = 0;  // change notifications, each one a FindNext

private:
    void Changed() {
        ++changes;
        // A runaway search would recurse without end; stop it as a failure.
        if (depth_ >= 5) {
            ADD_FAILURE() << "the Find box text was set back from inside the search again and again";
            return;
        }
        ++depth_;
        if (onChange) onChange();
        --depth_;
    }
    int depth_ = 0;
};

}  // namespace tome::testing
