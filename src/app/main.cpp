// kadoro: the main window over the conversion core.
#include <QApplication>

#include "app/form1.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    kadoro::TForm1 form;
    form.show();
    application.exec();
    return 0;
}
