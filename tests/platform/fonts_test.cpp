#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(AppFont, TahomaCompatibleFaceIsRegisteredWhenTheSystemHasOne) {
    const QString family = RegisterAppFont();
    EXPECT_EQ(RegisterAppFont(), family); // registering twice changes nothing
    EXPECT_EQ(AppFontFamily(), family);
    if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) {
        EXPECT_EQ(family, QStringLiteral("Tahoma"));
    } else {
        EXPECT_EQ(family, QStringLiteral("DejaVu Sans"));
    }
    EXPECT_TRUE(QFontDatabase::families().contains(family));
}
