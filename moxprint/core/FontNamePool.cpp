#include "moxprint/core/FontNamePool.h"

#include <mutex>
#include <set>

namespace {

// Deliberately never destroyed: handles may outlive static destruction order.
std::set<std::string, std::less<>>& Pool()
{
    static auto* pool = new std::set<std::string, std::less<>>;
    return *pool;
}

std::mutex& PoolMutex()
{
    static std::mutex mutex;
    return mutex;
}

}  // namespace

FontName FontName::Intern(std::string_view name)
{
    std::lock_guard lock(PoolMutex());
    auto& pool = Pool();
    auto found = pool.find(name);
    if (found == pool.end())
        found = pool.emplace(name).first;
    return FontName(&*found);
}
