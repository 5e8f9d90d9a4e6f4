#pragma once

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace tubeline {

// Chooses a place; OnChange gets its folder.
class DriveList : public QComboBox {
  public:
    explicit DriveList(QWidget* parent);
    // Shows the volume that holds the folder, without reporting a change.
    void ShowVolumeOf(const std::filesystem::path& folder);
    std::function<void(const std::filesystem::path&)> OnChange;
};

// The current folder with the folders above it and the folders in it; activating one
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

// The files of a folder, or of several, that match the patterns (such as "*.bmp" or
// "*.ele;*.mix").
class FileList : public QListWidget {
  public:
    FileList(const QString& patterns, QWidget* parent);
    void SetPath(const std::filesystem::path& folder);
    // Lists the files of every folder; a name found in several is listed once, as the file of
    // the first of them.
    void SetFolders(std::vector<std::filesystem::path> folders);
    // Lists the folders anew, keeping the selected name selected; reports no selection.
    void Refresh();
    // The first folder, where a save dialog writes.
    const std::filesystem::path& Path() const { return folders_.front(); }
    // The selected file's name, empty when none is selected (the row the list makes current
    // when it takes the focus is not selected).
    std::string FileName() const;
    // The listed file of that name in the folder it was found in.
    std::filesystem::path PathOf(const std::string& fileName) const;
    // A click on a file, or Enter on the selected one.
    std::function<void(const std::string&)> OnClick;
    // The operator selected another file with the keys.
    std::function<void(const std::string&)> OnSelect;
    // The list moved to another folder.
    std::function<void(const std::filesystem::path&)> OnPathChange;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QStringList patterns_;
    std::vector<std::filesystem::path> folders_{std::filesystem::path()};
    // Selections that OnSelect does not report: the list's own, and the mouse's, which
    // OnClick reports.
    bool reportSelection_ = true;
};

// The folder a save dialog writes to, shown in full where it fits, shortened in the middle
// where not, with the whole path as its tooltip.
class FolderPathLine : public QLabel {
  public:
    explicit FolderPathLine(QWidget* parent);
    void Show(const std::filesystem::path& folder);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Elide();
    QString path_;
};

// Ties a dialog's three lists and its path line together, starting at the folder: a chosen
// drive moves the folder list to it (a drive that cannot be listed changes nothing), a chosen
// folder moves the file list to it, and the path line shows the file list's folder, which is
// where the dialog writes.
void LinkFolderLists(DriveList& drives, FolderList& folders, FileList& files,
                     FolderPathLine& pathLine, const std::filesystem::path& startFolder);

// Lists the folder list's folder anew and moves the file list to it, as each opening does.
void RefreshFolderLists(FolderList& folders, FileList& files);

}  // namespace tubeline
