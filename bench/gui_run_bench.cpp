// Times a conversion run through the main window's "変更開始" on the offscreen platform, for
// comparison with kadoro-cli on the same files: prints the seconds from the click to the
// closing box.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/conversion_run.h"
#include "app/form1.h"
#include "app/message_boxes.h"
#include "platform/folder_listing.h"

namespace {

class ClosingBoxCounter : public kadoro::MessageBoxes {
public:
    void Inform(QWidget*, const QString&) override { ++informed; }
    DeleteAnswer AskDelete(QWidget*, const QString&) override { return DeleteAnswer::Cancel; }
    int informed = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SCHEME SOURCE_FOLDER DEST_FOLDER\n", argv[0]);
        return 64;
    }
    const std::string source = argv[2], destination = argv[3];
    kadoro::TForm1 form;
    form.ComboBox1->setCurrentIndex(std::atoi(argv[1]));
    const auto listing = kadoro::ListFolderFiles(source, kadoro::kCameraFileMask);
    for (const std::string& name : listing.names)
        form.FileListBox1->addItem(QString::fromUtf8(name.c_str()));
    form.FileListBox1->selectAll();

    ClosingBoxCounter boxes;
    kadoro::ConversionRun run(form, boxes,
                              {[&] { return source; }, [&] { return destination; }, [] {}, {}});
    // The window's own event loop, as the program runs it, until the run's closing box.
    QEventLoop loop;
    QObject::connect(&run, &kadoro::ConversionRun::Finished, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    form.Button2->click();
    loop.exec();
    std::printf("%.3f\n", static_cast<double>(timer.nsecsElapsed()) / 1e9);
    return 0;
}
