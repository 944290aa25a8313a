#include "models/ObjText.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace ModelSys
{
namespace
{
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// An integer as "%d" reads one: optional sign, then at least one digit. Values past the range of int
// stay at its ends, so they are out of range as indices rather than wrapping into range.
bool readInt(const char*& p, int& out)
{
    const char* q = p;
    bool negative = false;
    if (*q == '+' || *q == '-')
        negative = (*q++ == '-');
    if (*q < '0' || *q > '9')
        return false;
    long long value = 0;
    for (; *q >= '0' && *q <= '9'; ++q)
    {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (*q - '0');
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    if (value < INT_MIN)
        value = INT_MIN;
    out = static_cast<int>(value);
    p = q;
    return true;
}

bool readLiteral(const char*& p, const char* literal)
{
    const std::size_t length = std::strlen(literal);
    if (std::strncmp(p, literal, length) != 0)
        return false;
    p += length;
    return true;
}

enum FaceForm
{
    FORM_V,
    FORM_VT,
    FORM_VTN,
    FORM_VN
};

// Scans word in the form; numbers that do not read keep their values in corner. Answers how many read.
int scanCorner(const std::string& word, FaceForm form, ObjFaceVertex& corner)
{
    const char* p = word.c_str();
    if (!readInt(p, corner.v))
        return 0;
    if (form == FORM_V)
        return 1;
    if (form == FORM_VN)
        return readLiteral(p, "//") && readInt(p, corner.n) ? 2 : 1;
    if (!readLiteral(p, "/") || !readInt(p, corner.t))
        return 1;
    if (form == FORM_VT)
        return 2;
    return readLiteral(p, "/") && readInt(p, corner.n) ? 3 : 2;
}

FaceForm formOf(const std::string& word)
{
    if (word.find("//") != std::string::npos)
        return FORM_VN;
    ObjFaceVertex probe;
    if (scanCorner(word, FORM_VTN, probe) == 3)
        return FORM_VTN;
    if (scanCorner(word, FORM_VT, probe) == 2)
        return FORM_VT;
    return FORM_V;
}
} // namespace

bool ObjText::load(const char* path)
{
    text.clear();
    pos = 0;
    lastWordStart = 0;
    std::FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return false;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}

bool ObjText::nextWord(std::string& word)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos >= text.size())
        return false;
    lastWordStart = pos;
    while (pos < text.size() && !isBlank(text[pos]))
        ++pos;
    word.assign(text, lastWordStart, pos - lastWordStart);
    return true;
}

std::string ObjText::restOfLine()
{
    const std::size_t start = pos;
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos)
    {
        pos = text.size();
        return text.substr(start);
    }
    pos = end + 1;
    if (end > start && text[end - 1] == '\r')
        --end;
    return text.substr(start, end - start);
}

void readObjFace(ObjText& text, std::vector<ObjFaceVertex>& corners)
{
    corners.clear();
    std::string word;
    if (!text.nextWord(word))
        return;
    const FaceForm form = formOf(word);
    ObjFaceVertex corner;
    while (scanCorner(word, form, corner) > 0)
    {
        corners.push_back(corner);
        if (!text.nextWord(word))
            return;
    }
    text.unread();
}

int scanFloats(const std::string& line, float* out, int count)
{
    const char* p = line.c_str();
    for (int i = 0; i < count; ++i)
    {
        char* end = nullptr;
        const float value = std::strtof(p, &end);
        if (end == p)
            return i;
        out[i] = value;
        p = end;
    }
    return count;
}

std::string firstWord(const std::string& line)
{
    std::size_t start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    std::size_t end = start;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    return line.substr(start, end - start);
}
} // namespace ModelSys
