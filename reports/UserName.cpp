// The user's name from the password database of the system.
#include "reports/UserName.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::string UserNameFromAccount(const std::string& comment, const std::string& login)
{
    // The comment field holds the full name, then office, phone numbers..., separated by commas.
    const std::string fullName = Trimmed(comment.substr(0, comment.find(',')));
    return fullName.empty() ? login : fullName;
}

std::string CurrentUserName()
{
    if (const passwd* entry = getpwuid(getuid()))
        return UserNameFromAccount(entry->pw_gecos ? entry->pw_gecos : "", entry->pw_name ? entry->pw_name : "");
    const char* user = std::getenv("USER");
    return user ? user : "";
}
