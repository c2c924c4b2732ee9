// Drive, folder and file lists.
#include "ui/file_lists.h"

#include "ui/form.h"

namespace wardo::ui {

namespace {
bool isRoot(const Text& folder) {
    return folder.size() == 3 && folder[1] == L':' && folder[2] == L'\\';
}

[[noreturn]] void pathNotFound() {
    text::fail(text::ErrorCode::PathNotFound, "Path not found");
}
}  // namespace

Text normalFolder(const Text& folder) {
    Text f = folder;
    if (f.size() == 2 && f[1] == L':') f += L'\\';
    while (f.size() > 1 && f.back() == L'\\' && !isRoot(f)) f.pop_back();
    return f;
}

Text joinPath(const Text& folder, const Text& name) {
    if (!folder.empty() && folder.back() == L'\\') return folder + name;
    return folder + L"\\" + name;
}

DriveListBox::DriveListBox(Form& form, Text name, int index)
    : ListControl(form, ControlKind::ComboBox, std::move(name), index) {}

void DriveListBox::resetToDefaults() {
    ListControl::resetToDefaults();
    // Filled at each load, the system drive selected, as the classic list starts.
    replaceItems(form().platform().files.listDrives());
    for (int i = 0; i < listCount() && listIndex() < 0; ++i) {
        if (text::upper(list(i)) == L"C:\\") setListIndex(i);
    }
    if (listIndex() < 0 && listCount() > 0) setListIndex(0);
}

Text DriveListBox::drive() const {
    return list(listIndex());
}

void DriveListBox::setDrive(const Text& path) {
    touch();
    const Text wanted = text::upper(normalFolder(path.substr(0, 2)));
    for (int i = 0; i < listCount(); ++i) {
        if (text::upper(list(i)) == wanted) {
            setListIndex(i);
            return;
        }
    }
    text::fail(text::ErrorCode::DeviceUnavailable, "Device unavailable");
}

void DriveListBox::selectionChanged() {
    fire(onChange);
}

DirListBox::DirListBox(Form& form, Text name, int index)
    : ListControl(form, ControlKind::ListBox, std::move(name), index) {}

bool DirListBox::dblClick() {
    if (!reachable()) return false;
    const Text item = list(listIndex());
    if (item == L"..") {
        const size_t cut = path_.find_last_of(L'\\');
        if (cut != Text::npos) setPath(path_.substr(0, cut + 1));
    } else if (!item.empty()) {
        setPath(joinPath(path_, item));
    }
    return ListControl::dblClick();
}

void DirListBox::resetToDefaults() {
    ListControl::resetToDefaults();
    path_.clear();
}

const Text& DirListBox::path() const {
    touch();
    return path_;
}

void DirListBox::setPath(const Text& folder) {
    touch();
    const Text f = normalFolder(folder);
    if (!form().platform().files.folderExists(f)) pathNotFound();
    if (text::lower(f) == text::lower(path_)) return;
    path_ = f;
    refresh();
    fire(onChange);
}

void DirListBox::refresh() {
    std::vector<Text> items;
    if (!isRoot(path_)) items.push_back(L"..");
    for (const Text& name : form().platform().files.listFolders(path_)) items.push_back(name);
    replaceItems(std::move(items));
}

FileListBox::FileListBox(Form& form, Text name, int index)
    : ListControl(form, ControlKind::ListBox, std::move(name), index) {}

void FileListBox::resetToDefaults() {
    ListControl::resetToDefaults();
    path_.clear();
    pattern_ = L"*.*";
}

const Text& FileListBox::path() const {
    touch();
    return path_;
}

void FileListBox::setPath(const Text& folder) {
    touch();
    const Text f = normalFolder(folder);
    if (!form().platform().files.folderExists(f)) pathNotFound();
    path_ = f;
    refresh();
}

const Text& FileListBox::pattern() const {
    touch();
    return pattern_;
}

void FileListBox::setPattern(const Text& pattern) {
    touch();
    pattern_ = pattern;
    if (!path_.empty()) refresh();
}

void FileListBox::refresh() {
    replaceItems(form().platform().files.listFiles(path_, pattern_));
}

}  // namespace wardo::ui
