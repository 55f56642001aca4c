#include "app/about_window.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell_artwork.h"

namespace app {

namespace {

QLabel* centredLabel(const QString& text, int pointSize, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : ui::Window(parent) {
    setWindowTitle(QStringLiteral("About velorima"));
    auto* layout = new QVBoxLayout(this);

    auto* picture = new QLabel(this);
    picture->setPixmap(app::kindergartenPicture(QSize(400, 300)));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    layout->addWidget(centredLabel(app::programName(), 20, true, this));
    layout->addWidget(centredLabel(app::programVersion(), 10, false, this));
    auto* contact = centredLabel(
        QStringLiteral("Quornbeck\n%1\ninfo@velorima.example").arg(app::makersAddress()), 9, false,
        this);
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(contact);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    setMainAction(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    fixSizeAndCentre();
}

}  // namespace app
