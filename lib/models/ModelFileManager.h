#pragma once

#include <string>
#include <vector>

#include "util/NonCopyable.h"

namespace MatSys
{
class MaterialStore;
class TextureStore;
} // namespace MatSys

namespace ModelSys
{
class MeshStore;
class ModelFileLoader;

// Hands each model file to the loader once and keeps what came of it, by the file name as given.
// A file that failed is never tried again.
class ModelFileManager : private Util::NonCopyable<ModelFileManager>
{
public:
    using Names = std::vector<std::string>;

    // The loader is not owned.
    explicit ModelFileManager(ModelFileLoader* loader);
    virtual ~ModelFileManager();

    virtual const std::string& getLoadDir() const;
    virtual MeshStore* getMeshStore() const;
    virtual MatSys::MaterialStore* getMaterialStore() const;
    virtual MatSys::TextureStore* getTextureStore() const;
    // The loader's answer, asked the first time only.
    virtual bool load(const std::string& file);
    // Whether the file was tried, whatever came of it.
    virtual bool isLoaded(const std::string& file) const;
    // Empties log, then copies the file's error text into it; true when the file was tried and failed.
    virtual bool getErrorLog(const std::string& file, std::string& log) const;
    // Empties the three lists, then copies the file's into them; true when the file was tried.
    virtual bool getInfo(const std::string& file, Names& meshNames, Names& materialNames,
                         Names& textureNames) const;

private:
    class Impl;
    ModelFileLoader* loader;
    Impl* impl;
};
} // namespace ModelSys
