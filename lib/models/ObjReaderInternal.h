#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "models/ObjReader.h"

namespace ModelSys
{
class ObjText;

// A heap copy of text, owned by whichever record it is put in.
char* glmStrdup(const char* text);
// Zeroed heap memory for count items of size bytes; never null: std::bad_alloc is thrown, as by new,
// when memory is out.
void* glmAlloc(std::size_t count, std::size_t size);

// The path of an MTL file named in the record's OBJ file: the name taken from the OBJ file's folder.
std::string glmMtlPath(const _GLMscene* scene, const char* name);
// Reads the MTL file named in an OBJ file into the record's material table, in place of any earlier
// one; false, with a message, when it cannot be read or has no material.
bool glmReadMTL(_GLMscene* scene, const char* name);
} // namespace ModelSys
