// kadoro: the main window over the conversion core.
#include <exception>

#include "app/fonts.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/kadoro_application.h"
#include "app/message_boxes.h"

int main(int argc, char** argv) {
    kadoro::QtMessageBoxes boxes;
    kadoro::KadoroApplication application(argc, argv, boxes);
    kadoro::InstallFontSubstitutions();
    kadoro::KadoroApplication::setFont(kadoro::WindowFont());
    try {
        kadoro::TForm1 form1;
        kadoro::TForm2 form2;  // the browse-mode toolbar, hidden until browse mode
        form1.show();
        kadoro::KadoroApplication::exec();
    } catch (const std::exception& error) {
        // A failure while the windows are built ends the program after saying why.
        boxes.Inform(nullptr, QString::fromUtf8(error.what()));
    }
    return 0;
}
