#include "print/reports_win.h"

#include "print/book_list_report.h"
#include "print/book_report.h"
#include "print/text_printer_win.h"

namespace tome {

void PrintBookList(const BookCollection& books, int32_t tab) {
    cTPrint printer;
    PrintBookList(printer, books, tab);
}

void PrintBook(const BookCollection& books, const cColumnList& list, int32_t position) {
    cTPrint printer;
    PrintBook(printer, books, list.ItemDataAt(position));
}

}  // namespace tome
