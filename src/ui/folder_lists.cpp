#include "folder_lists.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>
#include <map>
#include <utility>

#include "base/save_locations.h"

namespace tubeline {
namespace fs = std::filesystem;
namespace {

QString DisplayName(const fs::path& path) {
    return QString::fromStdString(path.string());
}

bool Matches(const QStringList& patterns, const QString& name) {
    return std::any_of(patterns.begin(), patterns.end(), [&](const QString& pattern) {
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        return wildcard.match(name).hasMatch();
    });
}

}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent) {
    for (const fs::path& place : SaveLocations()) {
        addItem(DisplayName(place), DisplayName(place));
    }
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (OnChange) {
            OnChange(itemData(index).toString().toStdString());
        }
    });
}

void DriveList::ShowVolumeOf(const fs::path& folder) {
    // The volume is the longest mount point that the folder lies under.
    int best = 0;
    std::size_t bestLength = 0;
    const std::string target = folder.lexically_normal().string();
    for (int i = 0; i < count(); ++i) {
        const std::string point = itemData(i).toString().toStdString();
        const bool under = target == point || point == "/" ||
                           target.starts_with(point.ends_with('/') ? point : point + "/");
        if (under && point.size() > bestLength) {
            best = i;
            bestLength = point.size();
        }
    }
    setCurrentIndex(best);
}

FolderList::FolderList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (SetPath(item->data(Qt::UserRole).toString().toStdString()) && OnChange) {
            OnChange();
        }
    });
}

bool FolderList::SetPath(const fs::path& requested) {
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(fs::absolute(requested, error), error);
    std::vector<fs::path> children;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return false;
    }
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with('.') && entry.is_directory(error)) {
            children.push_back(entry.path());
        }
    }
    std::sort(children.begin(), children.end());
    path_ = folder;

    clear();
    const QIcon openFolder = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedFolder = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    std::vector<fs::path> chain;
    for (fs::path level = folder; !level.empty(); level = level.parent_path()) {
        chain.push_back(level);
        if (level == level.root_path()) {
            break;
        }
    }
    std::reverse(chain.begin(), chain.end());
    int depth = 0;
    const auto add = [&](const fs::path& path, const QIcon& icon, int indent) {
        const QString name =
            path == path.root_path() ? DisplayName(path) : DisplayName(path.filename());
        addItem(QString(indent * 2, QLatin1Char(' ')) + name);
        QListWidgetItem* added = item(count() - 1);
        added->setIcon(icon);
        added->setData(Qt::UserRole, DisplayName(path));
        return added;
    };
    for (const fs::path& level : chain) {
        QListWidgetItem* item = add(level, openFolder, depth++);
        if (level == folder) {
            setCurrentItem(item);
        }
    }
    for (const fs::path& child : children) {
        add(child, closedFolder, depth);
    }
    return true;
}

FileList::FileList(const QString& patterns, QWidget* parent)
    : QListWidget(parent), patterns_(patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (OnClick) {
            OnClick(item->text().toStdString());
        }
    });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (reportSelection_ && OnSelect && !FileName().empty()) {
            OnSelect(FileName());
        }
    });
}

void FileList::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !FileName().empty()) {
        if (OnClick) {
            OnClick(FileName());
        }
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FileList::mousePressEvent(QMouseEvent* event) {
    reportSelection_ = false;
    QListWidget::mousePressEvent(event);
    reportSelection_ = true;
}

void FileList::SetPath(const fs::path& folder) {
    SetFolders({folder});
}

void FileList::SetFolders(std::vector<fs::path> folders) {
    folders_ = folders.empty() ? std::vector<fs::path>{fs::path()} : std::move(folders);
    Refresh();
    if (OnPathChange) {
        OnPathChange(Path());
    }
}

void FileList::Refresh() {
    const std::string selected = FileName();
    reportSelection_ = false;
    // Sorted by name; the first folder that holds a name keeps it.
    std::map<QString, fs::path> folderOfName;
    std::error_code error;
    for (const fs::path& folder : folders_) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
            const QString name = DisplayName(entry.path().filename());
            if (entry.is_regular_file(error) && Matches(patterns_, name)) {
                folderOfName.try_emplace(name, folder);
            }
        }
    }
    clear();
    for (const auto& [name, folder] : folderOfName) {
        addItem(name);
        item(count() - 1)->setData(Qt::UserRole, DisplayName(folder));
        if (name.toStdString() == selected) {
            setCurrentRow(count() - 1);
        }
    }
    reportSelection_ = true;
}

std::string FileList::FileName() const {
    const QList<QListWidgetItem*> selection = selectedItems();
    return selection.isEmpty() ? std::string() : selection.front()->text().toStdString();
}

fs::path FileList::PathOf(const std::string& fileName) const {
    const QList<QListWidgetItem*> found =
        findItems(QString::fromStdString(fileName), Qt::MatchExactly);
    const fs::path folder =
        found.isEmpty() ? Path()
                        : fs::path(found.front()->data(Qt::UserRole).toString().toStdString());
    return folder / fileName;
}

FolderPathLine::FolderPathLine(QWidget* parent) : QLabel(parent) {
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void FolderPathLine::Show(const fs::path& folder) {
    path_ = DisplayName(folder);
    setToolTip(path_);
    Elide();
}

void FolderPathLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void FolderPathLine::Elide() {
    setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, width()));
}

void LinkFolderLists(DriveList& drives, FolderList& folders, FileList& files,
                     FolderPathLine& pathLine, const fs::path& startFolder) {
    files.OnPathChange = [&pathLine](const fs::path& folder) { pathLine.Show(folder); };
    folders.SetPath(startFolder);
    drives.ShowVolumeOf(folders.Path());
    files.SetPath(folders.Path());
    drives.OnChange = [&drives, &folders, &files](const fs::path& volume) {
        if (folders.SetPath(volume)) {
            files.SetPath(folders.Path());
        } else {
            drives.ShowVolumeOf(folders.Path());
        }
    };
    folders.OnChange = [&folders, &files] { files.SetPath(folders.Path()); };
}

void RefreshFolderLists(FolderList& folders, FileList& files) {
    // Folders made since the last opening appear too.
    folders.SetPath(folders.Path());
    files.SetPath(folders.Path());
}

}  // namespace tubeline
