// The program's own Greek translation of the toolkit's texts: the standard buttons of the
// message boxes, and the print preview, print and page setup dialogs through which every
// report passes.

#include <QAction>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

#include "app/greek_translation.h"
#include "reports/report_test_support.h"
#include "support/qt_printers.h"

namespace {

// The Greek translation, noting every text of the dialogs' contexts that it leaves in English.
class NotingTranslation : public app::GreekTranslation {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        QString greek = app::GreekTranslation::translate(context, sourceText, disambiguation, n);
        static const QSet<QString> checked = {
            QStringLiteral("QPrintPreviewDialog"), QStringLiteral("QPrintDialog"),
            QStringLiteral("QPageSetupWidget"),    QStringLiteral("QPrintSettingsOutput"),
            QStringLiteral("QPrintWidget"),        QStringLiteral("QPlatformTheme")};
        const QString where = QString::fromLatin1(context);
        if (greek.isEmpty() && checked.contains(where))
            untranslated.insert(where + QStringLiteral(": ") + QString::fromUtf8(sourceText));
        return greek;
    }

    mutable QSet<QString> untranslated;
};

// Texts that read the same in Greek: numbers, units, symbols, names of paper sizes.
bool neutral(const QString& noted) {
    static const QSet<QString> same = {QStringLiteral("QPrintPreviewDialog: %1%"),
                                       QStringLiteral("QPrintWidget: ..."),
                                       QStringLiteral("QPageSetupWidget: mm"),
                                       QStringLiteral("QPageSetupWidget: Didot (DD)"),
                                       QStringLiteral("QPageSetupWidget: Cicero (CC)"),
                                       QStringLiteral("QPageSetupWidget: Pica (P\u0338)")};
    static const QRegularExpression pagesPerSheet(
        QStringLiteral(R"(^QPrintDialog: \d+ \(\d+x\d+\)$)"));
    return same.contains(noted) || pagesPerSheet.match(noted).hasMatch();
}

class GreekTranslationTest : public testing::Test {
protected:
    void SetUp() override {
        reporttest::ensureApplication();
        QCoreApplication::installTranslator(&translation_);
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translation_); }

    NotingTranslation translation_;
};

TEST_F(GreekTranslationTest, StandardButtonsAreGreek) {
    QMessageBox question(QMessageBox::Question, QStringLiteral("Διαγραφή"),
                         QStringLiteral("Να διαγράψω τα δεδομένα;"),
                         QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Ναι"));
    EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("Ό&χι"));

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Save | QDialogButtonBox::Close |
                             QDialogButtonBox::Apply);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Ok)->text(), QStringLiteral("Εντάξει"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Άκυρο"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Save)->text(), QStringLiteral("Αποθήκευση"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Close)->text(), QStringLiteral("Κλείσιμο"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Apply)->text(), QStringLiteral("Εφαρμογή"));
}

TEST_F(GreekTranslationTest, ThePrintDialogsLeaveNoEnglishText) {
    QPrinter printer(QPrinter::HighResolution);
    {
        QPrintPreviewDialog preview(&printer);
        preview.show();
        QCoreApplication::processEvents();
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Προεπισκόπηση εκτύπωσης"));
        QStringList actions;
        for (const QAction* action : preview.findChildren<QAction*>())
            actions.append(action->text());
        EXPECT_TRUE(actions.contains(QStringLiteral("Εκτύπωση")));
        EXPECT_TRUE(actions.contains(QStringLiteral("Διαμόρφωση σελίδας")));
        EXPECT_TRUE(actions.contains(QStringLiteral("Επόμενη σελίδα")));
        preview.close();
    }
    {
        QPrintDialog print(&printer);
        print.show();
        QCoreApplication::processEvents();
        print.close();
    }
    {
        QPageSetupDialog pageSetup(&printer);
        pageSetup.show();
        QCoreApplication::processEvents();
        pageSetup.close();
    }
    QStringList english;
    for (const QString& noted : translation_.untranslated) {
        if (!neutral(noted))
            english.append(noted);
    }
    english.sort();
    EXPECT_EQ(english, QStringList());
}

}  // namespace
