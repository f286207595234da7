// File themes, the built-in theme's SkinData, the selection rule, slicing and
// built-in style bitmaps, under Wine. Most tests run on an in-memory file
// system that records what happens; the search order and the temporary
// files are also checked on the real one.
#include "skin/SkinFileTheme.h"
#include "skin/SkinThemeRoutines.h"
#include "skin/Win32SkinFileSystem.h"
#include "toolkit/Form.h"
#include "toolkit/WinControl.h"

#include "skin/SkinTestData.h"
#include "support/MemorySkinFileSystem.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace folvane {
namespace {

using test::Bytes;
using test::ElementFileBuilder;
using S = TSkinUIStyle;

// The in-memory file system, counting archive opens and recording creations.
class RecordingFiles final : public SkinFileSystem {
public:
    bool FileExists(const std::string& path) override { return memory.FileExists(path); }
    std::unique_ptr<SkinFile> OpenRead(const std::string& path) override
    {
        ++opens[path];
        return memory.OpenRead(path);
    }
    std::unique_ptr<SkinFile> Create(const std::string& path) override
    {
        created.push_back(path);
        return failCreate ? nullptr : memory.Create(path);
    }
    bool Delete(const std::string& path) override { return memory.Delete(path); }
    std::string TempFolder() override { return memory.TempFolder(); }
    std::string NewGuidText() override { return memory.NewGuidText(); }
    std::string ProgramFolder() override { return memory.ProgramFolder(); }
    std::string WindowsFolder() override { return memory.WindowsFolder(); }
    std::string SystemFolder() override { return memory.SystemFolder(); }

    MemorySkinFileSystem memory;
    std::map<std::string, int> opens;
    std::vector<std::string> created;
    bool failCreate = false;
};

Bytes ThemeArchive(std::int32_t buttonFont, const std::string& password = "")
{
    test::ArchiveOptions o;
    o.password = password;
    return test::MakeSkinArchive(
        ElementFileBuilder()
            .Bitmap("SKIN2_BUTTON", test::MakeBmpWith(100, 2, [](int x, int) { return static_cast<std::uint32_t>(x); }))
            .Integer("SKIN2_BUTTONFONTCOLOR", buttonFont)
            .Flag("SKIN2_BUTTONTRANS", 1)
            .Integer("SKIN2_TITLEBARICONPOSX", 7)
            .Build(),
        o);
}

// A skinned component as the controls will be: it publishes FileTheme and
// UIStyle and records every FileTheme assignment.
template <class Base> class Themed : public Base, public TSkinThemed {
public:
    explicit Themed(TComponent* owner, const char* className)
        : Base(owner)
        , className_(className)
    {
    }
    const char* ClassName() const override { return className_; }
    TSkinFileTheme* FileTheme() const override { return theme_; }
    void SetFileTheme(TSkinFileTheme* theme) override
    {
        theme_ = theme;
        assignments.push_back(theme);
    }
    TSkinUIStyle UIStyle() const override { return style_; }
    void SetUIStyle(TSkinUIStyle style) override { style_ = style; }
    std::vector<TSkinFileTheme*> assignments;

private:
    const char* className_;
    TSkinFileTheme* theme_ = nullptr;
    TSkinUIStyle style_ = TSkinUIStyle::Marine;
};

TEST(SkinArchiveReader, BitmapElementsBecomeBitmaps)
{
    RecordingFiles files;
    const Bytes member = ElementFileBuilder()
                             .Bitmap("FACE", test::MakeBmp(2, 2, 0x00FF00))
                             .Bitmap("face", test::MakeBmp(3, 3, 0x0000FF))
                             .Integer("N", 4)
                             .Build();
    test::ArchiveOptions secret;
    secret.password = "pw";
    files.memory.Put("a.skn", test::MakeSkinArchive(member));
    files.memory.Put("s.skn", test::MakeSkinArchive(member, secret));
    files.memory.Put(
        "bad.skn", test::MakeSkinArchive(ElementFileBuilder().Bitmap("FACE", Bytes { 'B', 'M', 1, 2 }).Build()));

    TSkinArchiveReader reader("a.skn", "", files);
    ASSERT_TRUE(reader.Loaded());
    EXPECT_EQ(reader.BitmapCount(), 2);
    ASSERT_NE(reader.Bitmap("Face"), nullptr);
    EXPECT_EQ(reader.Bitmap("Face")->Width(), 2);
    EXPECT_EQ(reader.Bitmap("Face")->Pixel(1, 1), RGB(0, 255, 0));
    EXPECT_EQ(reader.Bitmap("BACK"), nullptr);
    EXPECT_EQ(reader.Integer("n"), 4);

    TSkinArchiveReader locked("s.skn", "", files);
    EXPECT_FALSE(locked.Loaded());
    EXPECT_EQ(locked.BitmapCount(), 0);
    EXPECT_EQ(locked.Integer("N"), -1);
    // A bitmap the loader cannot read makes the whole archive unreadable.
    EXPECT_THROW(TSkinArchiveReader("bad.skn", "", files), SkinReadError);
    EXPECT_THROW(TSkinArchiveReader("missing.skn", "", files), SkinReadError);
    EXPECT_EQ(files.memory.FileCount(), 3u);
}

TEST(SkinFileTheme, LoadsAndAnswersLookups)
{
    RecordingFiles files;
    files.memory.Put("skins/a.skn", ThemeArchive(0x00123456));
    TSkinFileTheme theme;
    theme.SetFileSystem(files);
    EXPECT_FALSE(theme.Ready());
    // Without a reader: none, 0 and false.
    EXPECT_EQ(theme.GetBitmap(TSkinBitmapElement::SKIN2_BUTTON), nullptr);
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 0);
    EXPECT_FALSE(theme.GetFlag(TSkinFlagElement::SKIN2_BUTTONTRANS));

    theme.SetThemeFile("skins/a.skn");
    ASSERT_TRUE(theme.Ready());
    EXPECT_EQ(theme.ThemeFile(), "skins/a.skn");
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 0x00123456);
    EXPECT_EQ(theme.GetInteger(TSkinMetricElement::SKIN2_TITLEBARICONPOSX), 7);
    EXPECT_TRUE(theme.GetFlag(TSkinFlagElement::SKIN2_BUTTONTRANS));
    // Absent elements: -1 and false.
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_FORMCOLOR), -1);
    EXPECT_EQ(theme.GetInteger(TSkinMetricElement::SKIN2_BOTTOMREGIONMAXY), -1);
    EXPECT_FALSE(theme.GetFlag(TSkinFlagElement::SKIN2_TABCONTROLTRANS));
    TBitmap* face = theme.GetBitmap(TSkinBitmapElement::SKIN2_BUTTON);
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->Width(), 100);

    TBitmap slice;
    theme.GetBitmapSlice(TSkinBitmapElement::SKIN2_BUTTON, slice, 3, 3);
    EXPECT_EQ(slice.Width(), 33);
    EXPECT_EQ(slice.Pixel(0, 0), RGB(0, 0, 67)); // column 67 as blue 67 (0x00RRGGBB stored x)
    theme.GetBitmapSlice(TSkinBitmapElement::SKIN2_BUTTON, slice, 0, 3);
    EXPECT_EQ(slice.Width(), 100);
    theme.GetBitmapSlice(TSkinBitmapElement::SKIN2_TABCONTROL, slice, 1, 2);
    EXPECT_TRUE(slice.Empty());
    slice.SetSize(5, 5);
    theme.GetBitmapSlice(TSkinBitmapElement::SKIN2_TABCONTROL, slice, 0, 0);
    EXPECT_TRUE(slice.Empty());
    // Nothing left in the temporary folder: only the archive remains.
    EXPECT_EQ(files.memory.FileCount(), 1u);
}

TEST(SkinFileTheme, SearchesTheProgramWindowsAndSystemFolders)
{
    RecordingFiles files;
    TSkinFileTheme theme;
    theme.SetFileSystem(files);
    files.memory.Put("windows/system/fsx.skn", ThemeArchive(1));
    theme.SetThemeFile("D:\\made\\here\\fsx.skn");
    EXPECT_EQ(theme.ThemeFile(), "windows/system/fsx.skn");
    EXPECT_TRUE(theme.Ready());
    files.memory.Put("windows/fsx.skn", ThemeArchive(2));
    theme.SetThemeFile("D:\\made\\here\\fsx.skn");
    EXPECT_EQ(theme.ThemeFile(), "windows/fsx.skn");
    files.memory.Put("program/fsx.skn", ThemeArchive(3));
    theme.SetThemeFile("D:\\made\\here\\fsx.skn");
    EXPECT_EQ(theme.ThemeFile(), "program/fsx.skn");
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 3);

    // Found nowhere: nothing changes, not even ThemeFile or Ready.
    theme.SetThemeFile("D:\\elsewhere\\other.skn");
    EXPECT_EQ(theme.ThemeFile(), "program/fsx.skn");
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 3);

    // A file that is there but unreadable: not ready, no reader.
    files.memory.Put("bad.skn", Bytes(100, 'x'));
    theme.SetThemeFile("bad.skn");
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.Manager().Reader(), nullptr);
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 0);
}

TEST(SkinFileTheme, APasswordReloadsUnlessItIsEmpty)
{
    RecordingFiles files;
    files.memory.Put("s.skn", ThemeArchive(9, "pw"));
    TSkinFileTheme theme;
    theme.SetFileSystem(files);
    theme.SetThemeFile("s.skn");
    EXPECT_FALSE(theme.Ready());
    const int opensBefore = files.opens["s.skn"];
    theme.SetPassword("");
    EXPECT_EQ(files.opens["s.skn"], opensBefore);
    EXPECT_FALSE(theme.Ready());
    theme.SetPassword("pw");
    EXPECT_GT(files.opens["s.skn"], opensBefore);
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 9);
    theme.SetPassword("wrong");
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(theme.Manager().Reader(), nullptr);
}

TEST(SkinFileTheme, ReappliesItselfToTheSkinnedComponentsOfItsForm)
{
    RecordingFiles files;
    files.memory.Put("a.skn", ThemeArchive(1));
    TForm form;
    auto* theme = new TSkinFileTheme(&form);
    theme->SetFileSystem(files);
    auto* user = new Themed<TComponent>(&form, "TSkinButton");
    auto* otherTheme = new Themed<TComponent>(&form, "TSkinPageControl");
    auto* notSkin = new Themed<TComponent>(&form, "TExButton");
    user->SetFileTheme(theme);
    notSkin->SetFileTheme(theme);
    TSkinFileTheme unrelated;
    otherTheme->SetFileTheme(&unrelated);
    for (auto* c : { user, otherTheme, notSkin })
        c->assignments.clear();

    theme->SetThemeFile("a.skn");
    ASSERT_TRUE(theme->Ready());
    EXPECT_EQ(user->assignments, (std::vector<TSkinFileTheme*> { nullptr, theme }));
    EXPECT_TRUE(otherTheme->assignments.empty());
    EXPECT_TRUE(notSkin->assignments.empty());

    // A failed load re-applies nothing.
    user->assignments.clear();
    files.memory.Put("bad.skn", Bytes(10, 0));
    theme->SetThemeFile("bad.skn");
    EXPECT_TRUE(user->assignments.empty());
    otherTheme->SetFileTheme(nullptr);

    // A theme owned by something other than a form loads, re-applying nothing.
    TComponent owner;
    auto* loose = new TSkinFileTheme(&owner);
    loose->SetFileSystem(files);
    auto* neighbour = new Themed<TComponent>(&owner, "TSkinButton");
    neighbour->SetFileTheme(loose);
    neighbour->assignments.clear();
    loose->SetThemeFile("a.skn");
    EXPECT_TRUE(loose->Ready());
    EXPECT_TRUE(neighbour->assignments.empty());
}

TEST(SkinBuiltInFileTheme, SkinDataLoadsThroughAFreshTemporaryFileEachTime)
{
    RecordingFiles files;
    TSkinBuiltInFileTheme theme;
    theme.SetFileSystem(files);
    theme.SetThemeFile("C:\\skins\\fsx.skn"); // where the layout was made; not here
    EXPECT_EQ(theme.ThemeFile(), "C:\\skins\\fsx.skn");
    EXPECT_FALSE(theme.Ready());

    // The first GUID's name is taken, and its "1" variant too.
    const std::string first = "temp/{00000000-0000-0000-0000-000000000001}";
    files.memory.Put(first + ".skn", Bytes { 1 });
    files.memory.Put(first + "1.skn", Bytes { 1 });
    const Bytes archive = ThemeArchive(0x00ABCDEF);
    theme.SetSkinData(archive);
    ASSERT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 0x00ABCDEF);
    EXPECT_EQ(theme.ThemeFile(), "C:\\skins\\fsx.skn");
    ASSERT_GE(files.created.size(), 1u);
    EXPECT_EQ(files.created[0], first + "2.skn");

    theme.SetSkinData(ThemeArchive(5));
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 5);
    std::vector<std::string> skn;
    for (const auto& name : files.created) {
        if (name.size() > 4 && name.substr(name.size() - 4) == ".skn")
            skn.push_back(name);
    }
    ASSERT_EQ(skn.size(), 2u);
    EXPECT_NE(skn[0], skn[1]);
    // Only the two files put there beforehand are left.
    EXPECT_EQ(files.memory.FileCount(), 2u);
}

TEST(SkinBuiltInFileTheme, GivesUpAfterABoundedNumberOfWriteAttempts)
{
    RecordingFiles files;
    TSkinBuiltInFileTheme theme;
    theme.SetFileSystem(files);
    theme.SetSkinData(ThemeArchive(1));
    ASSERT_TRUE(theme.Ready());
    files.failCreate = true;
    files.created.clear();
    theme.SetSkinData(ThemeArchive(2));
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(static_cast<int>(files.created.size()), TSkinBuiltInFileTheme::kSkinDataWriteAttempts);
    // Broken data: not ready, and still no file left behind.
    files.failCreate = false;
    theme.SetSkinData(Bytes(64, 0x55));
    EXPECT_FALSE(theme.Ready());
    EXPECT_EQ(files.memory.FileCount(), 0u);
}

TEST(SkinBuiltInFileTheme, RealTemporaryFilesAreRemoved)
{
    Win32SkinFileSystem& files = static_cast<Win32SkinFileSystem&>(DefaultSkinFileSystem());
    const std::string pattern = files.TempFolder() + "*.skn";
    auto countSkn = [&] {
        WIN32_FIND_DATAA data;
        HANDLE h = FindFirstFileA(pattern.c_str(), &data);
        int n = 0;
        if (h != INVALID_HANDLE_VALUE) {
            do
                ++n;
            while (FindNextFileA(h, &data));
            FindClose(h);
        }
        return n;
    };
    const int before = countSkn();
    TSkinBuiltInFileTheme theme;
    theme.SetSkinData(ThemeArchive(0x0102));
    EXPECT_TRUE(theme.Ready());
    theme.SetSkinData(ThemeArchive(0x0304));
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 0x0304);
    EXPECT_EQ(countSkn(), before);

    // SkinData gives back the file that ThemeFile names.
    const std::string path = files.TempFolder() + "layout-source.skn";
    const Bytes archive = ThemeArchive(7);
    {
        auto out = files.Create(path);
        ASSERT_TRUE(out && out->Append(archive.data(), archive.size()));
    }
    theme.SetThemeFile(path);
    EXPECT_TRUE(theme.Ready());
    ASSERT_TRUE(theme.SkinData().has_value());
    EXPECT_EQ(*theme.SkinData(), archive);
    files.Delete(path);
    EXPECT_FALSE(theme.SkinData().has_value());
}

TEST(SkinFileTheme, FindsAThemeBesideTheProgram)
{
    Win32SkinFileSystem& files = static_cast<Win32SkinFileSystem&>(DefaultSkinFileSystem());
    const std::string beside = files.ProgramFolder() + "skin-theme-test.skn";
    const Bytes archive = ThemeArchive(0x4242);
    {
        auto out = files.Create(beside);
        ASSERT_TRUE(out && out->Append(archive.data(), archive.size()));
    }
    TSkinFileTheme theme;
    theme.SetThemeFile("Z:\\nowhere\\skin-theme-test.skn");
    EXPECT_EQ(theme.ThemeFile(), beside);
    EXPECT_TRUE(theme.Ready());
    EXPECT_EQ(theme.GetColor(TSkinColorElement::SKIN2_BUTTONFONTCOLOR), 0x4242);
    files.Delete(beside);
}

TEST(SkinThemeRoutines, TheSelectionRule)
{
    RecordingFiles files;
    files.memory.Put("a.skn", ThemeArchive(1));
    TSkinFileTheme ready;
    ready.SetFileSystem(files);
    ready.SetThemeFile("a.skn");
    ASSERT_TRUE(ready.Ready());
    TSkinFileTheme failed;
    failed.SetFileSystem(files);
    files.memory.Put("bad.skn", Bytes(3, 0));
    failed.SetThemeFile("bad.skn");

    S effective = S::Pearl;
    EXPECT_FALSE(UsesFileTheme(&ready, S::Frost, effective));
    EXPECT_EQ(effective, S::Frost);
    EXPECT_TRUE(UsesFileTheme(&ready, S::FromThemeFile, effective));
    EXPECT_EQ(effective, S::FromThemeFile);
    EXPECT_FALSE(UsesFileTheme(nullptr, S::FromThemeFile, effective));
    EXPECT_EQ(effective, S::Marine);
    effective = S::Glass;
    EXPECT_FALSE(UsesFileTheme(&failed, S::FromThemeFile, effective));
    EXPECT_EQ(effective, S::Marine);
    EXPECT_EQ(FormUIStyle(nullptr), S::Marine);
}

TEST(SkinThemeRoutines, SliceBitmapTakesTheRightmostSliceLast)
{
    // Pixel x of the source is colour x, so each column tells where it came from.
    const Bytes bmp = test::MakeBmpWith(100, 2, [](int x, int y) { return static_cast<std::uint32_t>(x + 256 * y); });
    TBitmap source;
    ASSERT_TRUE(source.LoadFromBmpBytes(bmp));
    TBitmap target;
    const int firstColumn[] = { 0, 33, 67 };
    for (int index = 1; index <= 3; ++index) {
        SliceBitmap(&source, target, 3, index);
        ASSERT_EQ(target.Width(), 33);
        ASSERT_EQ(target.Height(), 2);
        for (int x = 0; x < 33; ++x) {
            EXPECT_EQ(target.Pixel(x, 0), source.Pixel(firstColumn[index - 1] + x, 0)) << index << " " << x;
            EXPECT_EQ(target.Pixel(x, 1), source.Pixel(firstColumn[index - 1] + x, 1));
        }
    }
    SliceBitmap(nullptr, target, 3, 1);
    EXPECT_TRUE(target.Empty());
    target.SetSize(4, 4);
    SliceBitmap(&source, target, 3, 0);
    EXPECT_TRUE(target.Empty());
}

TEST(SkinThemeRoutines, BuiltInBitmapsComeFromTheProgramsResources)
{
    TBitmap face;
    ASSERT_TRUE(SkinBuiltInBitmap(S::Marine, 1, face));
    EXPECT_EQ(face.Width(), 9);
    EXPECT_EQ(face.Height(), 3);
    TBitmap slice;
    ASSERT_TRUE(SkinBuiltInBitmapSlice(S::Marine, 1, slice, 2, 3));
    EXPECT_EQ(slice.Width(), 3);
    EXPECT_EQ(slice.Pixel(1, 1), RGB(0, 255, 0));
    ASSERT_TRUE(SkinBuiltInBitmapSlice(S::Frost, 39, slice, 2, 2));
    EXPECT_EQ(slice.Width(), 2);
    EXPECT_EQ(slice.Pixel(0, 0), RGB(0, 0, 0));
    ASSERT_TRUE(SkinBuiltInBitmapSlice(S::Frost, 39, slice, 0, 0));
    EXPECT_EQ(slice.Width(), 4);

    // A position of another kind leaves the target alone.
    EXPECT_TRUE(SkinBuiltInBitmap(S::Marine, 26, face));
    EXPECT_EQ(face.Width(), 9);
    // A resource the program lacks: empty, and said so.
    EXPECT_FALSE(SkinBuiltInBitmap(S::Coral, 1, face));
    EXPECT_TRUE(face.Empty());
    // The theme-file style has no built-in bitmaps: the target stays as it was.
    ASSERT_TRUE(SkinBuiltInBitmap(S::Marine, 1, face));
    EXPECT_TRUE(SkinBuiltInBitmap(S::FromThemeFile, 1, face));
    EXPECT_EQ(face.Width(), 9);
}

TEST(SkinThemeRoutines, PropagateThemeReachesDirectChildrenThatPublishBoth)
{
    TWinControl container;
    auto* child = new Themed<TControl>(&container, "TSkinButton");
    child->SetParent(&container);
    auto* plain = new TControl(&container);
    plain->SetParent(&container);
    auto* inner = new TWinControl(&container);
    inner->SetParent(&container);
    auto* grandchild = new Themed<TControl>(&container, "TSkinButton");
    grandchild->SetParent(inner);
    TSkinFileTheme theme;
    PropagateTheme(&container, S::Glass, &theme);
    EXPECT_EQ(child->FileTheme(), &theme);
    EXPECT_EQ(child->UIStyle(), S::Glass);
    EXPECT_EQ(grandchild->FileTheme(), nullptr);
    EXPECT_EQ(grandchild->UIStyle(), S::Marine);
}

} // namespace
} // namespace folvane
