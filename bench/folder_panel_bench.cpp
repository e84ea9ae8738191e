// How long the source file list takes to show a folder of many files, and to switch its mask:
// the real window with its folder panel, on the offscreen platform unless told otherwise.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/message_boxes.h"
#include "folders/folder_panel.h"

namespace {

class SilentBoxes : public kadoro::MessageBoxes {
public:
    void Inform(QWidget*, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
    }
    DeleteAnswer AskDelete(QWidget*, const QString&) override { return DeleteAnswer::Cancel; }
};

// Camera files of the three kinds and some the viewer shows, in mixed case.
void MakeFiles(const std::string& folder, int count) {
    const char* extensions[] = {".JPG", ".J6I", ".REL", ".jpg", ".BMP", ".gif", ".txt"};
    for (int i = 0; i < count; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "%s/P%07d%s", folder.c_str(), (i * 7919) % 1000003,
                      extensions[i % 7]);
        const int fd = ::open(name, O_CREAT | O_WRONLY, 0644);
        if (fd < 0) {
            std::perror(name);
            std::exit(1);
        }
        ::close(fd);
    }
}

// Median and worst of runs of step, each followed by the painting it causes, in milliseconds.
void Time(const char* what, int runs, const std::function<void()>& step) {
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        step();
        QApplication::processEvents();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("  %-44s median %7.1f ms, worst %7.1f ms\n", what, ms[ms.size() / 2], ms.back());
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    QApplication application(argc, argv);

    const char* base = std::getenv("TMPDIR");
    std::string folder = std::string(base && *base ? base : "/tmp") + "/kadoro-bench-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) return 1;
    MakeFiles(folder, count);
    const std::string empty = folder + "/empty";
    std::filesystem::create_directory(empty);

    SilentBoxes boxes;
    kadoro::TForm1 form;
    auto* panel = new kadoro::FolderPanel(form, boxes);
    form.show();
    QApplication::processEvents();

    std::printf("Folder panel, %d files (%d of them in the start mask), %d runs each:\n", count,
                count * 4 / 7, runs);
    Time("enter the folder (file list filled)", runs, [&] {
        panel->SetSourceFolder(empty);
        QApplication::processEvents();
        panel->SetSourceFolder(folder);
    });
    Time("re-read the file list", runs, [&] { panel->RereadFileList(); });
    Time("switch the mask (viewer kinds on, then off)", runs, [&] {
        form.CheckBox4->setChecked(true);
        form.CheckBox4->setChecked(false);
    });
    std::printf("  file list rows now: %d\n", form.FileListBox1->count());

    std::filesystem::remove_all(folder);
    return 0;
}
