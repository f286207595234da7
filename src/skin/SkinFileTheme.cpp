// TSkinFileThemeMgr, TSkinFileTheme and TSkinBuiltInFileTheme.
#include "skin/SkinFileTheme.h"

#include "skin/SkinThemeRoutines.h"
#include "skin/Win32SkinFileSystem.h"
#include "toolkit/Form.h"

#include <cstring>

namespace folvane {

namespace {

std::string FileNamePart(const std::string& path)
{
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string WithSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

} // namespace

// ---------------------------------------------------------------------------
// Manager
// ---------------------------------------------------------------------------

bool TSkinFileThemeMgr::Load(const std::string& file, const std::string& password)
{
    if (!files_->FileExists(file))
        return false;
    static unsigned loads = 0;
    revision_ = ++loads;
    reader_.reset();
    try {
        reader_ = std::make_unique<TSkinArchiveReader>(file, password, *files_);
    } catch (const std::exception&) {
        return false;
    }
    if (!reader_->Loaded()) {
        reader_.reset();
        return false;
    }
    return true;
}

TBitmap* TSkinFileThemeMgr::GetBitmap(TSkinBitmapElement element) const
{
    return reader_ ? reader_->Bitmap(SkinElementName(element)) : nullptr;
}

int TSkinFileThemeMgr::GetColor(TSkinColorElement element) const
{
    return reader_ ? reader_->Integer(SkinElementName(element)) : 0;
}

int TSkinFileThemeMgr::GetInteger(TSkinMetricElement element) const
{
    return reader_ ? reader_->Integer(SkinElementName(element)) : 0;
}

bool TSkinFileThemeMgr::GetFlag(TSkinFlagElement element) const
{
    return reader_ && reader_->Flag(SkinElementName(element));
}

// ---------------------------------------------------------------------------
// File theme
// ---------------------------------------------------------------------------

TSkinFileTheme::TSkinFileTheme(TComponent* owner)
    : TComponent(owner)
    , files_(&DefaultSkinFileSystem())
    , manager_(*files_)
{
}

TSkinFileTheme::~TSkinFileTheme() = default;

void TSkinFileTheme::SetFileSystem(SkinFileSystem& files)
{
    files_ = &files;
    manager_.SetFileSystem(files);
}

void TSkinFileTheme::SetThemeFile(const std::string& path)
{
    LoadThemeFile(path);
}

void TSkinFileTheme::LoadThemeFile(const std::string& path)
{
    std::string found;
    if (files_->FileExists(path)) {
        found = path;
    } else {
        const std::string name = FileNamePart(path);
        const std::string folders[] = { files_->ProgramFolder(), files_->WindowsFolder(), files_->SystemFolder() };
        for (const std::string& folder : folders) {
            if (name.empty() || folder.empty())
                continue;
            const std::string candidate = WithSeparator(folder) + name;
            if (files_->FileExists(candidate)) {
                found = candidate;
                break;
            }
        }
        if (found.empty())
            return;
    }
    themeFile_ = found;
    ready_ = manager_.Load(found, password_);
    if (ready_)
        ReapplyToOwnerForm();
}

void TSkinFileTheme::SetPassword(const std::string& password)
{
    password_ = password;
    if (!password_.empty())
        LoadThemeFile(ThemeFile());
}

void TSkinFileTheme::GetBitmapSlice(TSkinBitmapElement element, TBitmap& target, int index, int count) const
{
    const TBitmap* source = GetBitmap(element);
    if (index != 0 && count != 0) {
        SliceBitmap(source, target, count, index);
    } else if (source) {
        target.Assign(*source);
    } else {
        target.SetSize(0, 0);
    }
}

// Skinned components of the form that use this theme read their look again.
void TSkinFileTheme::ReapplyToOwnerForm()
{
    TForm* form = dynamic_cast<TForm*>(Owner());
    if (!form)
        return;
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* component = form->Components(i);
        if (!component || std::strncmp(component->ClassName(), "TSkin", 5) != 0)
            continue;
        auto* themed = dynamic_cast<TSkinThemed*>(component);
        if (themed && themed->FileTheme() == this) {
            themed->SetFileTheme(nullptr);
            themed->SetFileTheme(this);
        }
    }
}

// ---------------------------------------------------------------------------
// Built-in theme
// ---------------------------------------------------------------------------

TSkinBuiltInFileTheme::TSkinBuiltInFileTheme(TComponent* owner)
    : TSkinFileTheme(owner)
{
}

void TSkinBuiltInFileTheme::SetThemeFile(const std::string& path)
{
    builtInThemeFile_ = path;
    LoadThemeFile(path);
}

// "{GUID}.skn", or "{GUID}1.skn", "{GUID}2.skn"... when taken.
std::string TSkinBuiltInFileTheme::FreeTemporaryName(const std::string& guid)
{
    const std::string base = WithSeparator(Files().TempFolder()) + guid;
    std::string name = base + ".skn";
    for (unsigned n = 1; Files().FileExists(name) && n < 1000; ++n)
        name = base + std::to_string(n) + ".skn";
    return name;
}

void TSkinBuiltInFileTheme::SetSkinData(std::span<const std::uint8_t> bytes)
{
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    std::string written;
    for (int attempt = 0; attempt < kSkinDataWriteAttempts && written.empty(); ++attempt) {
        const std::string guid = Files().NewGuidText();
        if (guid.empty())
            continue;
        const std::string name = FreeTemporaryName(guid);
        if (Files().FileExists(name))
            continue;
        bool ok = false;
        if (std::unique_ptr<SkinFile> file = Files().Create(name))
            ok = file->Append(copy.data(), copy.size());
        if (ok)
            written = name;
        else if (Files().FileExists(name))
            Files().Delete(name);
    }
    copy.clear();
    copy.shrink_to_fit();
    if (written.empty()) {
        SetNotReady();
        return;
    }
    // The reader has extracted and parsed everything by the time this returns.
    try {
        LoadThemeFile(written);
    } catch (...) {
        Files().Delete(written);
        throw;
    }
    Files().Delete(written);
}

std::optional<std::vector<std::uint8_t>> TSkinBuiltInFileTheme::SkinData() const
{
    if (builtInThemeFile_.empty() || !Files().FileExists(builtInThemeFile_))
        return std::nullopt;
    std::unique_ptr<SkinFile> file = Files().OpenRead(builtInThemeFile_);
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(file->Size()));
    if (!ReadExactly(*file, 0, bytes.data(), bytes.size()))
        return std::nullopt;
    return bytes;
}

} // namespace folvane
