// The fakes of every platform seam, logging each call to one shared event log.
#include "platform/FakePlatform.h"

#include <algorithm>
#include <cstring>

namespace folvane::testing {

std::string RootName(RegistryRoot root)
{
    return root == RegistryRoot::LocalMachine ? "HKLM" : "HKCU";
}

// ---- Registry ----

void FakeRegistry::SetString(
    RegistryRoot root, const std::string& path, const std::string& name, const std::string& text, std::uint32_t type)
{
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    SetRaw(root, path, name, type, std::move(bytes));
}

void FakeRegistry::SetRaw(RegistryRoot root, const std::string& path, const std::string& name, std::uint32_t type,
    std::vector<std::uint8_t> data)
{
    keys_[{ root, path }][name] = Value { type, std::move(data) };
}

bool FakeRegistry::HasValue(RegistryRoot root, const std::string& path, const std::string& name) const
{
    auto key = keys_.find({ root, path });
    return key != keys_.end() && key->second.count(name) != 0;
}

std::string FakeRegistry::RawText(RegistryRoot root, const std::string& path, const std::string& name) const
{
    const Value& value = keys_.at({ root, path }).at(name);
    return std::string(value.data.begin(), value.data.end());
}

std::uint32_t FakeRegistry::TypeOf(RegistryRoot root, const std::string& path, const std::string& name) const
{
    return keys_.at({ root, path }).at(name).type;
}

std::vector<FakeRegistry::Call> FakeRegistry::CallsOf(const std::string& op) const
{
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [&](const Call& c) { return c.op == op; });
    return out;
}

long FakeRegistry::Acquire(const KeyId& id, RegistryKey& key)
{
    key = next_++;
    open_[key] = id;
    return reg::kSuccess;
}

long FakeRegistry::OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key)
{
    calls.push_back({ "open", root, path, access, {}, 0, {} });
    const long status = denied.count(root) ? reg::kAccessDenied
        : keys_.count({ root, path })      ? reg::kSuccess
                                           : reg::kFileNotFound;
    log_.push_back("open " + RootName(root) + (status == reg::kSuccess ? " ok" : " failed"));
    return status == reg::kSuccess ? Acquire({ root, path }, key) : status;
}

long FakeRegistry::CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access, RegistryKey& key)
{
    calls.push_back({ "create", root, path, access, {}, 0, {} });
    const bool ok = !denied.count(root) && !writeDenied.count(root);
    log_.push_back("create " + RootName(root) + (ok ? " ok" : " failed"));
    if (!ok)
        return reg::kAccessDenied;
    keys_[{ root, path }];
    return Acquire({ root, path }, key);
}

long FakeRegistry::QueryValue(
    RegistryKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size)
{
    calls.push_back({ "query", {}, {}, 0, name, 0, {} });
    auto handle = open_.find(key);
    if (handle == open_.end())
        return 6; // invalid handle
    auto& values = keys_[handle->second];
    auto value = values.find(name);
    if (value == values.end())
        return reg::kFileNotFound;
    if (data && failDataQuery)
        return reg::kAccessDenied;
    if (data && growBy != 0) {
        // Another writer changes the value between the two queries.
        std::vector<std::uint8_t>& bytes = value->second.data;
        if (growBy > 0)
            bytes.insert(bytes.end() - (bytes.empty() ? 0 : 1), static_cast<std::size_t>(growBy), 'X');
        else
            bytes.resize(bytes.size() > static_cast<std::size_t>(-growBy) ? bytes.size() + growBy : 0);
        growBy = 0;
    }
    if (type)
        *type = value->second.type;
    const auto stored = static_cast<std::uint32_t>(value->second.data.size());
    if (data) {
        if (*size < stored) {
            *size = stored;
            return reg::kMoreData;
        }
        std::memcpy(data, value->second.data.data(), stored);
    }
    *size = stored;
    return reg::kSuccess;
}

long FakeRegistry::SetValue(
    RegistryKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data, std::uint32_t size)
{
    calls.push_back({ "set", {}, {}, 0, name, type, std::vector<std::uint8_t>(data, data + size) });
    log_.push_back("set " + name);
    auto handle = open_.find(key);
    if (handle == open_.end() || failingSets.count(name))
        return reg::kAccessDenied;
    keys_[handle->second][name] = Value { type, std::vector<std::uint8_t>(data, data + size) };
    return reg::kSuccess;
}

long FakeRegistry::QueryStoredValue(RegistryKey key, const std::string& name, RegistryValue& value)
{
    calls.push_back({ "query stored", {}, {}, 0, name, 0, {} });
    auto handle = open_.find(key);
    if (handle == open_.end())
        return 6; // invalid handle
    auto& values = keys_[handle->second];
    auto stored = values.find(name);
    if (stored == values.end())
        return reg::kFileNotFound;
    if (failDataQuery)
        return reg::kAccessDenied;
    value.type = stored->second.type;
    value.data.clear();
    const bool text = value.type == reg::kTypeSz || value.type == reg::kTypeExpandSz;
    for (std::uint8_t byte : stored->second.data) {
        value.data.push_back(byte);
        if (text)
            value.data.push_back(0);
    }
    return reg::kSuccess;
}

void FakeRegistry::CloseKey(RegistryKey key)
{
    calls.push_back({ "close", {}, {}, 0, {}, 0, {} });
    log_.push_back("close");
    open_.erase(key);
}

// ---- File system, shell, sound, clock ----

bool FakeFileSystem::FileExists(const std::string& name)
{
    asked.push_back(name);
    return files.count(name) != 0 && directories.count(name) == 0;
}

bool FakeFileSystem::CreateFolders(const std::string& folder)
{
    log_.push_back("create folder " + folder);
    if (folderCreationFails)
        return false;
    folders.insert(folder);
    return true;
}

FileSystem::NewFile FakeFileSystem::WriteNewFile(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    log_.push_back("write file " + name);
    if (written.count(name) || files.count(name))
        return NewFile::AlreadyExists;
    if (fileWriteFails)
        return NewFile::Failed;
    written[name] = bytes;
    return NewFile::Written;
}

bool FakeShell::Open(const std::string& target)
{
    opened.push_back(target);
    log_.push_back("shell open " + target);
    return true;
}

bool FakeShell::StartAndWaitForInputIdle(const std::string& target, unsigned timeoutMs)
{
    log_.push_back("shell start " + target + " " + std::to_string(timeoutMs));
    if (startFails)
        return false;
    if (onStart)
        onStart();
    return true;
}

Shell::ElevatedStart FakeShell::StartElevated(const std::u16string& program, const std::u16string& parameters)
{
    elevated.push_back({ program, parameters });
    log_.push_back("shell runas");
    return elevatedAnswer;
}

void FakeSound::PlayFileAsync(const std::string& fileName)
{
    played.push_back(fileName);
    log_.push_back("sound " + fileName);
}

void FakeClock::Sleep(unsigned milliseconds)
{
    total += milliseconds;
    log_.push_back("sleep " + std::to_string(milliseconds));
    if (onSleep)
        onSleep();
}

// ---- Dialogs ----

namespace {
int FirstButton(unsigned buttons)
{
    if (buttons & dlg::kYes)
        return dlg::kAnswerYes;
    if (buttons & dlg::kNo)
        return dlg::kAnswerNo;
    if (buttons & dlg::kOK)
        return dlg::kAnswerOk;
    return dlg::kAnswerCancel;
}
} // namespace

int FakeDialogs::MessageDlg(const std::string& text, DialogType type, unsigned buttons)
{
    shown.push_back({ text, type, buttons, {}, 0, false });
    log_.push_back("dialog");
    if (answers.empty())
        return FirstButton(buttons);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

int FakeDialogs::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    shown.push_back({ text, DialogType::Information, 0, caption, flags, true });
    log_.push_back("box");
    if (answers.empty())
        return (flags & 0xF) == dlg::kBoxYesNo ? dlg::kAnswerYes : dlg::kAnswerOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

// ---- Windows ----

WindowHandle FakeWindowDriver::AddWindow(const std::string& className, WindowHandle parent)
{
    const WindowHandle handle = next_++;
    windows[handle] = { className, parent };
    return handle;
}

WindowHandle FakeWindowDriver::FindTopLevel(const std::string& className)
{
    for (const auto& [handle, window] : windows)
        if (window.parent == 0 && window.className == className)
            return handle;
    return 0;
}

WindowHandle FakeWindowDriver::FindChild(WindowHandle parent, const std::string& className)
{
    for (const auto& [handle, window] : windows)
        if (window.parent == parent && window.className == className)
            return handle;
    return 0;
}

WindowHandle FakeWindowDriver::FindDescendant(WindowHandle parent, const std::string& className)
{
    for (const auto& [handle, window] : windows) {
        if (window.parent != parent)
            continue;
        if (window.className == className)
            return handle;
        if (WindowHandle below = FindDescendant(handle, className))
            return below;
    }
    return 0;
}

void FakeWindowDriver::ShowNormal(WindowHandle window)
{
    log_.push_back("show " + std::to_string(window));
}

void FakeWindowDriver::SetForeground(WindowHandle window)
{
    log_.push_back("foreground " + std::to_string(window));
}

void FakeWindowDriver::SendKeyDown(WindowHandle window, unsigned virtualKey, long keyData)
{
    log_.push_back(
        "keydown " + std::to_string(window) + " " + std::to_string(virtualKey) + " " + std::to_string(keyData));
}

void FakeWindowDriver::SendChar(WindowHandle window, unsigned char code, long keyData)
{
    log_.push_back("char " + std::to_string(window) + " " + std::string(1, static_cast<char>(code)) + " "
        + std::to_string(keyData));
}

std::string FakeWindowDriver::ReadText(WindowHandle window)
{
    auto text = texts.find(window);
    return text == texts.end() ? std::string() : text->second;
}

std::string FakeSystemInfo::ToAnsi(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text)
        out += c < 0x100 ? static_cast<char>(c) : '?';
    return out;
}

bool FakeSystemInfo::FitsCodePage(const std::u16string& text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x100; });
}

} // namespace folvane::testing
