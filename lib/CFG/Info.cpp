#include "CFG/Info.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <map>
#include <sstream>
#include <utility>

#include "CFG/Calculator.h"
#include "files/TextFile.h"
#include "util/StringUtil.h"

namespace CFG
{
namespace
{
const char* const KEY_VALUE_SEPARATOR = "==";
const char* const DEFAULT_KEY = "*";
const char* const EVAL_TOKEN = "EVAL:(";
const char* const SELECTOR_SEPARATOR = "??";
const char* const END_OF_FILE_MARKER = "END_OF_CFG_RESOURCES";
const char* const END_OF_ADDED_KEY = "END_OF_ADDED_KEY";
const char* const COMPANION_SUFFIX = ".MOD";
const char* const REFERENCE_MARKER = "::";
const char* const COMMENT_MARK = "#";
const int MAX_BLOCK_NESTING = 256;

// Bounds of one lookup as a whole: everything a public get or replaceKeys sets off, in this store and in
// the override stores it asks. A key met again while it is being resolved is a cycle and answers "".
// Steps are lookups of a key (each reference, each selector key, each override lookup) and descents into
// a selector block. A lookup that nests deeper than MAX_LOOKUP_NESTING steps answers "" as a cycle does,
// which keeps any file to a small, fixed part of the stack. References that fan out (a key naming another
// four times, that one the next four times, and so on) multiply the work at every step without going
// deep: past MAX_LOOKUP_COUNT keys looked up, or MAX_LOOKUP_BYTES of values read, the lookup answers ""
// as well. What a lookup builds is made of the values it read, so that bounds its answer too. Real files
// stay far below all three.
const int MAX_LOOKUP_NESTING = 128;
const std::size_t MAX_LOOKUP_COUNT = 1000;
const std::size_t MAX_LOOKUP_BYTES = 4u << 20;

struct LookupState
{
    int nesting = 0;
    std::size_t count = 0;
    std::size_t bytes = 0;
    bool exhausted = false;
};

// Shared by every store: an override store's lookups belong to the lookup that asked it.
LookupState& lookupState()
{
    static thread_local LookupState l_state;
    return l_state;
}

// One step deeper into the current lookup; the outermost step starts a fresh budget.
class LookupStep
{
public:
    LookupStep() : m_state(lookupState())
    {
        if (m_state.nesting == 0)
        {
            m_state = LookupState();
        }
        ++m_state.nesting;
    }
    ~LookupStep() { --m_state.nesting; }
    LookupStep(const LookupStep&) = delete;
    LookupStep& operator=(const LookupStep&) = delete;

    // False once the lookup nests too deep or has used up its budget.
    bool allowed() const
    {
        if (m_state.nesting > MAX_LOOKUP_NESTING)
        {
            m_state.exhausted = true;
        }
        return !m_state.exhausted;
    }

    // Counts one key looked up; false once the lookup has used up its budget.
    bool countKey()
    {
        if (++m_state.count > MAX_LOOKUP_COUNT)
        {
            m_state.exhausted = true;
        }
        return !m_state.exhausted;
    }

    // Counts the size of a value read; false once the lookup has used up its budget.
    bool countBytes(std::size_t bytes)
    {
        m_state.bytes += bytes;
        if (m_state.bytes > MAX_LOOKUP_BYTES)
        {
            m_state.exhausted = true;
        }
        return !m_state.exhausted;
    }

    // A lookup that ran out of budget answers "" at every level, up to the outermost.
    std::string answer(std::string&& text) const
    {
        if (m_state.exhausted)
        {
            return std::string();
        }
        return std::move(text);
    }

private:
    LookupState& m_state;
};

bool beginsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string rightTrim(const std::string& text)
{
    const std::size_t last = text.find_last_not_of(Util::BLANKS);
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

// Six significant digits as the number helpers print them, except that exponent notation is avoided:
// "1e+06" or "1e-05" would read back as 1 through the integer readers. Whether the helpers choose it
// depends on the rounded value (999999.9 rounds to "1e+06"), so their text decides.
std::string formatNumber(float value)
{
    const std::string text = Util::numToStr<float>(value, 10, 0);
    if (!std::isfinite(value) || text.find('e') == std::string::npos)
    {
        return text;
    }
    // Large values that need an exponent lie near a million or above, where floats step by 1/16 at most,
    // so four decimals print them exactly; small ones keep six significant digits.
    const float magnitude = std::fabs(value);
    const int decimals = magnitude >= 1.0f ? 4 : 5 - static_cast<int>(std::floor(std::log10(magnitude)));
    std::ostringstream out;
    out << std::fixed << std::setprecision(decimals) << value;
    std::string fixed = out.str();
    fixed.erase(fixed.find_last_not_of('0') + 1);
    if (!fixed.empty() && fixed.back() == '.')
    {
        fixed.pop_back();
    }
    return fixed;
}
} // namespace

class Info::Impl
{
public:
    struct Node;
    using KeyMap = std::map<std::string, std::unique_ptr<Node>>;
    using LineIter = std::vector<std::string>::const_iterator;

    // A plain key holds its value; a selector block holds its selector key's name and its entries.
    struct Node
    {
        std::string value;
        std::unique_ptr<KeyMap> children;
    };

    explicit Impl(Info* overrideStore) : overrides(overrideStore) {}
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;

    bool addConfig(const std::string& file);
    bool add(const std::string& key, const std::string& value);
    std::string get(const std::string& key) const;
    std::string replaceKeys(const std::string& text) const;
    void keys(std::vector<std::string>& out) const;
    void reset() { keyMap.clear(); }

    KeyMap keyMap;
    Info* overrides;

private:
    bool addOneFile(const std::string& file, bool& loaded);
    static bool readKeyVal(const std::string& line, std::string& key, std::string& value,
                           const std::string& separator);
    static bool populateMap(KeyMap& map, LineIter& it, LineIter end, const std::string& endMarker);
    static bool populateMap(KeyMap& map, LineIter& it, LineIter end, const std::string& endMarker, int depth);
    static bool readContinuation(std::string& value, LineIter& it, LineIter end);
    std::string get(const KeyMap& map, const std::string& key) const;
    std::string selectFromBlock(const Node& node) const;
    std::string replaceReferences(const std::string& text, const LookupStep& step) const;
    std::string calculate(const std::string& text) const;

    // Keys whose lookup is under way, innermost last; lookups are single-threaded.
    mutable std::vector<std::string> m_resolving;
};

bool Info::Impl::readKeyVal(const std::string& line, std::string& key, std::string& value,
                            const std::string& separator)
{
    const std::size_t at = line.find(separator);
    if (at == std::string::npos)
    {
        return false;
    }
    key = Util::trim(line.substr(0, at), Util::BLANKS);
    value = Util::trim(line.substr(at + separator.size()), Util::BLANKS);
    return true;
}

// value begins with a double quote and is not closed yet: joins following raw lines until it ends with
// one. A trailing backslash joins without a line feed, a trailing "\n" and backslash with one.
bool Info::Impl::readContinuation(std::string& value, LineIter& it, LineIter end)
{
    do
    {
        ++it;
        if (it == end)
        {
            return false;
        }
        if (!value.empty() && value.back() == '\\')
        {
            value.pop_back();
            if (endsWith(value, "\\n"))
            {
                value.erase(value.size() - 2);
                value += '\n';
            }
        }
        else
        {
            value += '\n';
        }
        value += rightTrim(*it);
    } while (value.back() != '"');
    return true;
}

bool Info::Impl::populateMap(KeyMap& map, LineIter& it, LineIter end, const std::string& endMarker)
{
    return populateMap(map, it, end, endMarker, 0);
}

bool Info::Impl::populateMap(KeyMap& map, LineIter& it, LineIter end, const std::string& endMarker, int depth)
{
    // Each block nests one call; blocks nested deeper than any sensible file would exhaust the stack.
    if (depth > MAX_BLOCK_NESTING)
    {
        return false;
    }
    for (; it != end; ++it)
    {
        const std::string line = Util::trim(*it, Util::BLANKS);
        std::string key;
        std::string value;
        if (beginsWith(line, COMMENT_MARK))
        {
            continue;
        }
        if (line.find(KEY_VALUE_SEPARATOR) != std::string::npos)
        {
            readKeyVal(line, key, value, KEY_VALUE_SEPARATOR);
            if (beginsWith(value, "\"") && (value.size() == 1 || value.back() != '"'))
            {
                if (!readContinuation(value, it, end))
                {
                    return false;
                }
            }
            const std::size_t first = value.find_first_not_of('"');
            value = first == std::string::npos ? std::string()
                                               : value.substr(first, value.find_last_not_of('"') - first + 1);
            auto node = std::make_unique<Node>();
            node->value = value;
            map[key] = std::move(node);
        }
        else if (line.find(SELECTOR_SEPARATOR) != std::string::npos)
        {
            readKeyVal(line, key, value, SELECTOR_SEPARATOR);
            auto node = std::make_unique<Node>();
            node->value = value;
            node->children = std::make_unique<KeyMap>();
            KeyMap& entries = *node->children;
            map[key] = std::move(node);
            ++it;
            if (!populateMap(entries, it, end, value, depth + 1))
            {
                return false;
            }
            // A block never closed takes every remaining line of its level.
            if (it == end)
            {
                return true;
            }
        }
        else if (line == endMarker)
        {
            return true;
        }
    }
    return true;
}

bool Info::Impl::addOneFile(const std::string& file, bool& loaded)
{
    std::string text;
    loaded = Files::TextFile::load(file, text, "\n");
    if (!loaded)
    {
        return false;
    }
    std::vector<std::string> lines;
    Util::splitString(text, "\n", lines, false, false);
    LineIter it = lines.cbegin();
    return populateMap(keyMap, it, lines.cend(), END_OF_FILE_MARKER);
}

bool Info::Impl::addConfig(const std::string& file)
{
    bool loaded = false;
    const bool result = addOneFile(file, loaded);
    // Each companion is read whatever the parse before it gave, as long as the chain goes on.
    std::string companion = file;
    while (loaded)
    {
        companion += COMPANION_SUFFIX;
        addOneFile(companion, loaded);
    }
    return result;
}

bool Info::Impl::add(const std::string& key, const std::string& value)
{
    const std::vector<std::string> lines{key + " " + KEY_VALUE_SEPARATOR + " " + value};
    LineIter it = lines.cbegin();
    return populateMap(keyMap, it, lines.cend(), END_OF_ADDED_KEY);
}

std::string Info::Impl::get(const KeyMap& map, const std::string& key) const
{
    if (overrides)
    {
        std::string answer = overrides->get(key);
        if (!answer.empty())
        {
            return answer;
        }
    }
    const auto found = map.find(key);
    if (found == map.end())
    {
        return "";
    }
    const Node& node = *found->second;
    return node.children ? selectFromBlock(node) : node.value;
}

std::string Info::Impl::selectFromBlock(const Node& node) const
{
    const LookupStep step;
    if (!step.allowed())
    {
        return "";
    }
    const std::string selected = get(node.value);
    std::string answer = get(*node.children, selected);
    if (answer.empty())
    {
        answer = get(*node.children, DEFAULT_KEY);
    }
    return step.answer(std::move(answer));
}

std::string Info::Impl::get(const std::string& key) const
{
    LookupStep step;
    if (!step.allowed() || !step.countKey() ||
        std::find(m_resolving.begin(), m_resolving.end(), key) != m_resolving.end())
    {
        return "";
    }
    struct Resolving
    {
        std::vector<std::string>& keys;
        ~Resolving() { keys.pop_back(); }
    };
    m_resolving.push_back(key);
    const Resolving guard{m_resolving};

    const std::string raw = get(keyMap, key);
    if (!step.countBytes(raw.size()))
    {
        return "";
    }
    std::string text = replaceReferences(raw, step);
    if (beginsWith(text, EVAL_TOKEN))
    {
        text = calculate(text);
    }
    return step.answer(std::move(text));
}

std::string Info::Impl::calculate(const std::string& text) const
{
    const std::string r = text.substr(std::string(EVAL_TOKEN).size());
    int depth = 1;
    std::size_t scanned = 0;
    while (scanned < r.size() && depth > 0)
    {
        const char c = r[scanned++];
        if (c == '(')
        {
            ++depth;
        }
        else if (c == ')')
        {
            --depth;
        }
    }
    // Without its balancing ")" the expression loses its last character all the same.
    const std::string expression = scanned == 0 ? std::string() : r.substr(0, scanned - 1);
    Calculator calculator(expression);
    return formatNumber(calculator.parse()) + r.substr(scanned);
}

std::string Info::Impl::replaceKeys(const std::string& text) const
{
    LookupStep step;
    return step.answer(replaceReferences(text, step));
}

std::string Info::Impl::replaceReferences(const std::string& text, const LookupStep& step) const
{
    std::vector<std::string> pieces;
    Util::splitString(text, REFERENCE_MARKER, pieces, true, false);
    const std::size_t n = pieces.size();
    std::string result;
    for (std::size_t i = 0; i < n; i += 2)
    {
        result += pieces[i];
        if (i + 1 == n)
        {
            break;
        }
        const std::string& name = pieces[i + 1];
        if (i + 2 == n)
        {
            result += REFERENCE_MARKER + name;
            break;
        }
        if (!name.empty() && name.find_first_of(Util::BLANKS) == std::string::npos)
        {
            result += get(name);
            // Once the lookup's budget is spent, the rest of the text is not worth reading.
            if (!step.allowed())
            {
                return "";
            }
        }
        else
        {
            result += REFERENCE_MARKER + name + REFERENCE_MARKER;
        }
    }
    return result;
}

void Info::Impl::keys(std::vector<std::string>& out) const
{
    out.clear();
    for (const auto& entry : keyMap)
    {
        out.push_back(entry.first);
    }
}

Info::Info(Info* overrides) : m_impl(std::make_unique<Impl>(overrides)) {}

Info::Info(const std::string& file, Info* overrides) : m_impl(std::make_unique<Impl>(overrides))
{
    // Nothing of a file that fails, of its partly parsed lines or of its companions remains.
    if (!m_impl->addConfig(file))
    {
        m_impl->reset();
    }
}

Info::~Info() = default;

void Info::reset()
{
    m_impl->reset();
}

bool Info::addConfig(const std::string& file)
{
    return m_impl->addConfig(file);
}

bool Info::add(const std::string& key, const std::string& value)
{
    return m_impl->add(key, value);
}

std::string Info::get(const std::string& key) const
{
    return m_impl->get(key);
}

void Info::keys(std::vector<std::string>& out) const
{
    m_impl->keys(out);
}

std::string Info::replaceKeys(const std::string& text) const
{
    return m_impl->replaceKeys(text);
}

const char* Info::keyValueSeparator()
{
    return KEY_VALUE_SEPARATOR;
}
} // namespace CFG
