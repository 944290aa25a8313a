#include "CFG/CFG.h"

namespace CFG
{
Info* global()
{
    // The override store is completed first, inside this initialiser, so it is destroyed after this one.
    static Info l_globalConfig(getDefaultOverrides());
    return &l_globalConfig;
}

namespace
{
// Both stores exist before main runs, ahead of any object built later that may read them on destruction.
const bool g_storesBuilt = global() != nullptr;
} // namespace

bool setConfig(const std::string& file)
{
    global()->reset();
    return global()->addConfig(file);
}

bool addConfig(const std::string& file)
{
    return global()->addConfig(file);
}

std::string get(const std::string& key)
{
    return global()->get(key);
}

InfoParser* parser()
{
    static InfoParser l_parser(global());
    return &l_parser;
}
} // namespace CFG
