#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tubeline {

// The mounted volumes, which play the part of drives: real file systems only, "/" first.
std::vector<std::filesystem::path> MountedVolumes();

// Drive1: chooses a volume; OnChange gets its root.
class DriveList : public QComboBox {
  public:
    explicit DriveList(QWidget* parent);
    // Shows the volume that holds the folder, without reporting a change.
    void ShowVolumeOf(const std::filesystem::path& folder);
    std::function<void(const std::filesystem::path&)> OnChange;
};

// Dir1: the current folder with the folders above it and the folders in it; activating one
// (double click or Enter) makes it current.
class FolderList : public QListWidget {
  public:
    explicit FolderList(QWidget* parent);
    // Makes the folder current; a folder that cannot be listed leaves everything as it was.
    bool SetPath(const std::filesystem::path& folder);
    const std::filesystem::path& Path() const { return path_; }
    std::function<void()> OnChange;

  private:
    std::filesystem::path path_;
};

// File1: the files of a folder that match the patterns (such as "*.bmp" or "*.ele;*.mix").
class FileList : public QListWidget {
  public:
    FileList(const QString& patterns, QWidget* parent);
    void SetPath(const std::filesystem::path& folder);
    void Refresh();
    const std::filesystem::path& Path() const { return path_; }
    // The selected file's name, empty when none is selected.
    std::string FileName() const;
    std::function<void(const std::string&)> OnClick;

  private:
    QStringList patterns_;
    std::filesystem::path path_;
};

// Ties a dialog's three lists together, starting at the folder: a chosen drive moves the
// folder list to it (a drive that cannot be listed changes nothing), a chosen folder moves the
// file list to it.
void LinkFolderLists(DriveList& drives, FolderList& folders, FileList& files,
                     const std::filesystem::path& startFolder);

// Lists the folder list's folder anew and moves the file list to it, as each opening does.
void RefreshFolderLists(FolderList& folders, FileList& files);

}  // namespace tubeline
