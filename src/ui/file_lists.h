// The drive, folder and file lists of the classic toolbox, fed by the platform's file system. Folder
// paths carry no trailing backslash, except a drive's root ("C:\").
#pragma once
#include "ui/list_control.h"

namespace wardo::ui {

// A drop-down list of the drives; choosing one raises Change (and Click).
class DriveListBox : public ListControl {
public:
    DriveListBox(Form& form, Text name, int index = -1);
    Text drive() const;  // "C:\"; "" before the load found any drive
    // Selects the drive of `path` ("d:", "D:\Sons"); an unknown drive: device unavailable.
    void setDrive(const Text& path);
    void resetToDefaults() override;

private:
    void selectionChanged() override;
};

// The sub-folders of `path`, ".." first when it is not a drive's root. A double click opens the folder.
class DirListBox : public ListControl {
public:
    DirListBox(Form& form, Text name, int index = -1);
    const Text& path() const;
    // A folder that does not exist: path not found, and nothing changes. A new path raises Change.
    void setPath(const Text& folder);
    void resetToDefaults() override;
    bool dblClick() override;

private:
    void refresh();
    Text path_;
};

// The files of `path` that match `pattern` ("*.wav"); fileName() is the selected one.
class FileListBox : public ListControl {
public:
    FileListBox(Form& form, Text name, int index = -1);
    const Text& path() const;
    void setPath(const Text& folder);  // a missing folder: path not found
    const Text& pattern() const;
    void setPattern(const Text& pattern);
    Text fileName() const { return text(); }
    void resetToDefaults() override;

private:
    void refresh();
    Text path_;
    Text pattern_ = L"*.*";
};

// Folder paths as these lists keep them: no trailing backslash unless at a drive's root.
Text normalFolder(const Text& folder);
// `folder` and `name` joined with exactly one backslash.
Text joinPath(const Text& folder, const Text& name);

}  // namespace wardo::ui
