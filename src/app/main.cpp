// kadoro: the main window over the conversion core.
#include <exception>

#include "app/fonts.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/kadoro_application.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "app/settings_file.h"

int main(int argc, char** argv) {
    kadoro::QtMessageBoxes boxes;
    kadoro::KadoroApplication application(argc, argv, boxes);
    kadoro::InstallFontSubstitutions();
    kadoro::KadoroApplication::setFont(kadoro::WindowFont());
    try {
        kadoro::MainWindow form1(boxes, kadoro::SettingsFilePath());
        kadoro::TForm2 form2;  // the browse-mode toolbar, hidden until browse mode
        form1.form().show();
        kadoro::KadoroApplication::exec();
    } catch (const std::exception& error) {
        // A failure while the windows are built ends the program after saying why.
        boxes.Inform(nullptr, QString::fromUtf8(error.what()));
    }
    return 0;
}
