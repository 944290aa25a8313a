#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace ModelSys
{
// The text of an OBJ or MTL file, read whole, with a cursor that reads it as words (separated by
// blanks, tabs, line breaks and the other scanf blanks) and lines (ended by LF or CR LF). Words and
// lines may be of any length.
class ObjText
{
public:
    // False when the file cannot be opened or read.
    bool load(const char* path);
    void rewind() { pos = 0; }

    // The next word, skipping blanks and line breaks; false at the end of the text.
    bool nextWord(std::string& word);
    // Puts the word read last back, so that it is read again as the next statement.
    void unread() { pos = lastWordStart; }
    // The text from the cursor to the end of its line, without the line break, which is passed over.
    std::string restOfLine();
    void skipLine() { restOfLine(); }

private:
    std::string text;
    std::size_t pos = 0;
    std::size_t lastWordStart = 0;
};

// One corner of a face as written: position, texture and normal index; -1 where the face gives none.
struct ObjFaceVertex
{
    int v = -1;
    int t = -1;
    int n = -1;
};

// Reads the corners of a face that follows an f word: the first corner's form (v, v/t, v/t/n or
// v//n) holds for the whole face, and the face ends at the first word whose first number does not
// read, which is put back. Both passes over a file read faces through this one function, so they
// always agree on what a face holds.
void readObjFace(ObjText& text, std::vector<ObjFaceVertex>& corners);

// Reads up to count floats from the start of line as a "%f %f ..." scan does; answers how many read.
int scanFloats(const std::string& line, float* out, int count);

// The first word of line, or "" when it holds none.
std::string firstWord(const std::string& line);
} // namespace ModelSys
