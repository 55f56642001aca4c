#pragma once

#include <QTime>
#include <QWidget>

namespace app {

// The main window's clock face: transparent, with hour, minute and second hands and the time
// written under the centre. It shows the time it is given; the main window's clock timer
// gives it the time every second.
class AnalogClock : public QWidget {
    Q_OBJECT
public:
    explicit AnalogClock(QWidget* parent = nullptr);

    void setTime(const QTime& time);
    QTime time() const { return time_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTime time_;
};

}  // namespace app
