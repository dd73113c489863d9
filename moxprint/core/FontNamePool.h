// Font face names, each held once in a process-wide pool: attribute blocks and text objects
// carry a cheap handle, and equal names compare by address. Names are never freed.
#pragma once

#include <string>
#include <string_view>

class FontName {
public:
    // The pooled copy of `name` (added on first use).
    static FontName Intern(std::string_view name);

    const std::string& Text() const { return *name_; }
    const char* CStr() const { return name_->c_str(); }
    bool operator==(const FontName& other) const { return name_ == other.name_; }

private:
    explicit FontName(const std::string* name) : name_(name) {}
    const std::string* name_;
};
