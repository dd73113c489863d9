// The producer's name from the account's password entry.
#include "reports/UserName.h"

#include <gtest/gtest.h>

namespace {

TEST(UserName, TheFullNameOfTheAccountElseTheLoginName)
{
    const struct {
        const char* why;
        const char* comment;
        const char* name;
    } cases[] = {
        {"the full name alone", "Ana Ruiz", "Ana Ruiz"},
        {"office and phone numbers follow the full name", "Ana Ruiz,Room 4,555-1234,", "Ana Ruiz"},
        {"spaces around the name are dropped", "  Ana Ruiz  ,4", "Ana Ruiz"},
        {"accented letters stay", "J\xC3\xBCrgen M\xC3\xBCller", "J\xC3\xBCrgen M\xC3\xBCller"},
        {"no comment", "", "aruiz"},
        {"a comment without a name", ",Room 4,,", "aruiz"},
        {"only spaces", "   ", "aruiz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UserNameFromAccount(c.comment, "aruiz"), c.name) << c.why;
}

TEST(UserName, TheCurrentUserHasAName)
{
    EXPECT_FALSE(CurrentUserName().empty());
}

}  // namespace
