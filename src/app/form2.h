// The browse-mode toolbar window: created hidden at start-up, always on top when shown.
#pragma once

#include <QWidget>

namespace kadoro {

class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    int SlideSeconds = 3;
};

}  // namespace kadoro
