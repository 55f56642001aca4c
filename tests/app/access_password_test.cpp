#include <gtest/gtest.h>

#include "app/access_password.h"
#include "support/delivered_database.h"

using namespace Qt::StringLiterals;

namespace {

TEST(AccessPassword, TypedPasswordsAreTrimmedAndKeptFreeOfStatementCharacters) {
    EXPECT_TRUE(app::canEnter(u"  Σοφία 2024 "_s));
    for (const QString& refused :
         {u""_s, u"   "_s, u"ab-cd"_s, u"ab.cd"_s, u"o'neil"_s, u"a;b"_s}) {
        EXPECT_FALSE(app::canEnter(refused)) << refused.toStdString();
    }

    EXPECT_TRUE(app::canSetPassword(u" abc"_s, u"abc "_s));
    EXPECT_FALSE(app::canSetPassword(u"abc"_s, u"Abc"_s));
    EXPECT_FALSE(app::canSetPassword(u"a-b"_s, u"a-b"_s));
    EXPECT_FALSE(app::canSetPassword(u""_s, u""_s));

    const QString stored = u"old"_s;
    EXPECT_TRUE(app::canChangePassword(u" old "_s, u"new"_s, u"new"_s, stored));
    EXPECT_FALSE(app::canChangePassword(u"OLD"_s, u"new"_s, u"new"_s, stored));
    EXPECT_FALSE(app::canChangePassword(u"old"_s, u"new"_s, u"news"_s, stored));
    EXPECT_FALSE(app::canChangePassword(u"old"_s, u"n.w"_s, u"n.w"_s, stored));
    EXPECT_TRUE(app::canChangePassword(u"old"_s, u"old"_s, u"old"_s, stored));
}

TEST(AccessPassword, TheStoredPasswordIsReadTrimmedAndReplacedWhole) {
    testsupport::DeliveredDatabase database;
    EXPECT_EQ(app::readStoredPassword(database.connection()), app::factoryDefaultPassword());

    app::storePassword(database.connection(), u"Νηπιαγωγείο 7"_s);
    EXPECT_EQ(app::readStoredPassword(database.connection()), u"Νηπιαγωγείο 7"_s);

    database.connection().execute(u"UPDATE SECURE SET [PASSWORD]='  κλειδί  '"_s);
    EXPECT_EQ(app::readStoredPassword(database.connection()), u"κλειδί"_s);
}

}  // namespace
