#pragma once

#include <memory>
#include <string>
#include <vector>

#include "files/I_KeyReplacer.h"

namespace CFG
{
// A configuration store filled from configuration files and single keys, answering lookups with an
// optional override store asked first. Every lookup resolves selector blocks, "::NAME::" references
// and "EVAL:(" calculations anew against the current contents; nothing is cached.
class Info : public Files::I_KeyReplacer
{
public:
    // overrides is not owned and must outlive this store.
    explicit Info(Info* overrides = nullptr);
    // A file that fails to load leaves the store empty.
    Info(const std::string& file, Info* overrides);
    ~Info() override;

    Info(const Info&) = delete;
    Info& operator=(const Info&) = delete;

    // Forgets every key; the override store stays.
    virtual void reset();
    // Reads file and then its chain of ".MOD" companion files; false when file is missing, empty or
    // does not parse.
    virtual bool addConfig(const std::string& file);
    // Defines one key as the line 'key == value' would.
    virtual bool add(const std::string& key, const std::string& value);
    // The resolved value of key; "" when absent.
    virtual std::string get(const std::string& key) const;
    // Replaces out with the top-level keys in byte order.
    virtual void keys(std::vector<std::string>& out) const;
    std::string replaceKeys(const std::string& text) const override;

    static const char* keyValueSeparator();

private:
    class Impl;
    std::unique_ptr<Impl> m_impl;
};
} // namespace CFG
