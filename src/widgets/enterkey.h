#pragma once

#include <QObject>

class QWidget;

// Enter moves the focus to the next control in tab order (wrapping inside the window and
// skipping controls that are not tab stops), multi-line fields included; inside grids and
// lists Enter keeps its ordinary meaning. Shift or Ctrl with Enter still breaks a line in a
// multi-line field.
class EnterKeyNavigator : public QObject {
public:
    explicit EnterKeyNavigator(QWidget* window);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
