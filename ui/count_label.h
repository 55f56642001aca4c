#pragma once

#include <QLabel>

namespace ui {

// The red line under a grid: "Βρέθηκαν " + N + " " + a noun such as "καταχωρήσεις".
class CountLabel : public QLabel {
    Q_OBJECT
public:
    explicit CountLabel(const QString& noun, QWidget* parent = nullptr);

    void setCount(int count);
    static QString countText(int count, const QString& noun);

private:
    QString noun_;
};

}  // namespace ui
