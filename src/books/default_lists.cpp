#include "default_lists.h"

#include "text_rules.h"

namespace tome {

namespace {

const char CallNumberText[] = "Fic, Mys, SF, YA, PB, New, W, ROM, ADV, LT, NonFic";

// Fixed texts, kept exactly as spelled ("Fantacy" and "Americal Revolution" too).
const char* const CategoryNames[] = {
    "Detective/PI",        "Suspense",          "Police Procedural",  "Adventure",
    "Special Ops",         "Detectives as Chefs", "Corporate World",  "Espionage",
    "Romance",             "Historical Fiction", "Contemporary",      "Southwest Mysteries",
    "British Mysteries",   "War",               "Family Sagas",       "Victorian Novels",
    "Fantacy",             "Vampires",          "Americal Revolution", "Civil War",
    "Naval",               "Norman England",    "Scotland",           "Disasters",
    "Survival",            "Legal Mysteries",   "Medical Mysteries",  "Humor",
    "Cats",                "Dogs",              "Horses",             "Wolves",
    "American History",
};

}  // namespace

std::vector<std::string> DefaultCallNumbers() {
    std::vector<std::string> entries;
    const std::string text = CallNumberText;
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        entries.push_back(TrimBlanks(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return entries;
}

std::vector<std::string> DefaultCategories() {
    return std::vector<std::string>(std::begin(CategoryNames), std::end(CategoryNames));
}

void LoadDefaultLists(BookCollection& books) {
    if (books.callNumberCount() == 0) {
        for (std::string& entry : DefaultCallNumbers()) AddListEntry(books.callNumbers, std::move(entry));
    }
    if (books.categoryCount() == 0) {
        for (std::string& entry : DefaultCategories()) AddListEntry(books.categories, std::move(entry));
    }
}

}  // namespace tome
