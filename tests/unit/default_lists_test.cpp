#include "books/default_lists.h"

#include <gtest/gtest.h>

namespace tome {
namespace {

TEST(DefaultLists, FillsEmptyListsWithTheFixedTexts) {
    BookCollection c;
    LoadDefaultLists(c);
    EXPECT_EQ(c.callNumbers.raw(), (std::vector<std::string>{"Fic", "Mys", "SF", "YA", "PB", "New", "W", "ROM",
                                                               "ADV", "LT", "NonFic"}));
    ASSERT_EQ(c.categoryCount(), 33);
    EXPECT_EQ(c.categories[1], "Detective/PI");
    EXPECT_EQ(c.categories[6], "Detectives as Chefs");
    EXPECT_EQ(c.categories[17], "Fantacy");
    EXPECT_EQ(c.categories[19], "Americal Revolution");
    EXPECT_EQ(c.categories[33], "American History");
    EXPECT_EQ(c.authorCount() + c.publisherCount() + c.libraryCount(), 0);
}

TEST(DefaultLists, KeepsExistingCallNumbersAndStillAddsCategories) {
    BookCollection c;
    c.callNumbers = TextList{"Ref"};
    LoadDefaultLists(c);
    EXPECT_EQ(c.callNumbers.raw(), (std::vector<std::string>{"Ref"}));
    EXPECT_EQ(c.categoryCount(), 33);

    BookCollection d;
    d.categories = TextList{"Poetry", "Plays"};
    LoadDefaultLists(d);
    EXPECT_EQ(d.callNumberCount(), 11);
    EXPECT_EQ(d.categories.raw(), (std::vector<std::string>{"Poetry", "Plays"}));

    // A second load adds nothing.
    const BookCollection before = c;
    LoadDefaultLists(c);
    EXPECT_TRUE(c == before);
}

}  // namespace
}  // namespace tome
