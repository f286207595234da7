// File themes: non-visual components that load a skin archive and answer
// element lookups for the skinned controls. TSkinFileThemeMgr holds the
// reader and turns element numbers into names; TSkinFileTheme finds the file
// (given path, then the program, Windows and system folders), loads it and
// re-applies itself to the skinned components of its form;
// TSkinBuiltInFileTheme carries a whole archive as "SkinData" and loads it
// through a temporary ".skn" file that it always deletes.
//
// Themes do not paint and do not own the controls that use them; controls
// register for free notification themselves.
#pragma once

#include "skin/SkinArchiveReader.h"
#include "skin/SkinStyleTable.h"
#include "toolkit/Component.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace folvane {

class TSkinFileTheme;

// What a component publishes when it has a FileTheme and a UIStyle.
class TSkinThemed {
public:
    virtual ~TSkinThemed() = default;
    virtual TSkinFileTheme* FileTheme() const = 0;
    virtual void SetFileTheme(TSkinFileTheme* theme) = 0;
    virtual TSkinUIStyle UIStyle() const = 0;
    virtual void SetUIStyle(TSkinUIStyle style) = 0;
};

class TSkinFileThemeMgr {
public:
    explicit TSkinFileThemeMgr(SkinFileSystem& files)
        : files_(&files)
    {
    }

    // Replaces the reader when the file exists; false when it does not, when
    // the archive cannot be read (no reader then) or did not load.
    bool Load(const std::string& file, const std::string& password);
    TSkinArchiveReader* Reader() const { return reader_.get(); }
    // Changes with every load, of this theme or any other: what was read from a theme is
    // still current while its revision is the same.
    unsigned Revision() const { return revision_; }
    void SetFileSystem(SkinFileSystem& files) { files_ = &files; }

    TBitmap* GetBitmap(TSkinBitmapElement element) const;
    // -1 when absent or not a number, 0 without a reader.
    int GetColor(TSkinColorElement element) const;
    int GetInteger(TSkinMetricElement element) const;
    // False when absent or without a reader.
    bool GetFlag(TSkinFlagElement element) const;

private:
    SkinFileSystem* files_;
    std::unique_ptr<TSkinArchiveReader> reader_;
    unsigned revision_ = 0;
};

class TSkinFileTheme : public TComponent {
public:
    explicit TSkinFileTheme(TComponent* owner = nullptr);
    ~TSkinFileTheme() override;
    const char* ClassName() const override { return "TSkinFileTheme"; }

    virtual const std::string& ThemeFile() const { return themeFile_; }
    // Loads the file, searched for when it is not where the path says; when
    // it is found nowhere nothing changes.
    virtual void SetThemeFile(const std::string& path);
    const std::string& Password() const { return password_; }
    // A non-empty password loads the current file again.
    void SetPassword(const std::string& password);
    // The result of the last load; a stored value is ignored.
    bool Ready() const { return ready_; }
    void SetReady(bool) { }

    TBitmap* GetBitmap(TSkinBitmapElement element) const { return manager_.GetBitmap(element); }
    // Slice index of count into target; with index or count 0 a copy of the
    // whole element. Target is empty when the element is absent.
    void GetBitmapSlice(TSkinBitmapElement element, TBitmap& target, int index, int count) const;
    int GetColor(TSkinColorElement element) const { return manager_.GetColor(element); }
    int GetInteger(TSkinMetricElement element) const { return manager_.GetInteger(element); }
    bool GetFlag(TSkinFlagElement element) const { return manager_.GetFlag(element); }
    unsigned Revision() const { return manager_.Revision(); }

    TSkinFileThemeMgr& Manager() { return manager_; }
    // Where files come from; the Win32 file system unless a test says otherwise.
    void SetFileSystem(SkinFileSystem& files);

protected:
    SkinFileSystem& Files() const { return *files_; }
    // The loading itself: search, load, re-apply to the owner form.
    void LoadThemeFile(const std::string& path);
    void SetNotReady() { ready_ = false; }

private:
    void ReapplyToOwnerForm();

    SkinFileSystem* files_;
    TSkinFileThemeMgr manager_;
    std::string themeFile_;
    std::string password_;
    bool ready_ = false;
};

class TSkinBuiltInFileTheme : public TSkinFileTheme {
public:
    // Write attempts, each with a new GUID, before the theme gives up.
    static constexpr int kSkinDataWriteAttempts = 8;

    explicit TSkinBuiltInFileTheme(TComponent* owner = nullptr);
    const char* ClassName() const override { return "TSkinBuiltInFileTheme"; }

    // The path the layout was made from; loading SkinData leaves it alone.
    const std::string& ThemeFile() const override { return builtInThemeFile_; }
    void SetThemeFile(const std::string& path) override;

    // Loads a whole archive held in memory.
    void SetSkinData(std::span<const std::uint8_t> bytes);
    // The bytes of the file named by ThemeFile(), when that file exists.
    std::optional<std::vector<std::uint8_t>> SkinData() const;

private:
    std::string FreeTemporaryName(const std::string& guid);

    std::string builtInThemeFile_;
};

} // namespace folvane
