#include "look/designlook.h"

#include "look/designpalette.h"
#include "look/designstyle.h"
#include "look/pngicons.h"
#include "runtime/firstwindow.h"

#include <QApplication>
#include <QIconEngine>
#include <QWidget>

#include <array>
#include <memory>

namespace design {

namespace {

// The sizes a window's frame and the task bar show, then the larger ones
// for task switchers and docks.
constexpr std::array FrameIconSizes{32, 16, 22, 24, 48, 64};
constexpr std::array LargeIconSizes{128, 256};

const QString ProgramIconBase = QStringLiteral(":/icons/shootalot");

} // namespace

QIcon iconSet(const QString &base)
{
    QIcon icon;
    addPngSizes(icon, base, FrameIconSizes);
    addPngSizes(icon, base, LargeIconSizes);
    return icon;
}

namespace {

// The program's icon, of which only the frame's sizes are offered, and
// decoded, until the first window is on the screen: the two large sizes,
// decoded and sent to an X display with that window, hold its first
// question back (docs/decisions.md has the measurement).
class ProgramIconEngine final : public QIconEngine
{
public:
    ProgramIconEngine(QIcon icon, std::shared_ptr<const bool> wholeOffered, bool large = false)
        : icon_(std::move(icon)), wholeOffered_(std::move(wholeOffered)), large_(large) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }
    QIconEngine *clone() const override { return new ProgramIconEngine(icon_, wholeOffered_, large_); }

private:
    const QIcon &icon()
    {
        if (*wholeOffered_ && !large_) {
            addPngSizes(icon_, ProgramIconBase, LargeIconSizes);
            large_ = true;
        }
        return icon_;
    }

    QIcon icon_;
    std::shared_ptr<const bool> wholeOffered_;
    bool large_; // the large sizes added
};

} // namespace

QIcon programIcon()
{
    // Only applyDesignLook() gives the application an icon, and it is this
    // one: once it has, every window shares it rather than decoding the
    // eight PNGs again.
    const QIcon carried = QGuiApplication::windowIcon();
    if (!carried.isNull())
        return carried;
    return iconSet(ProgramIconBase);
}

namespace {

void giveKindsTheirPalette(const QPalette &light)
{
    for (const char *kind : {"QLabel", "QAbstractButton", "QPushButton", "QToolButton", "QCheckBox",
                             "QRadioButton", "QLineEdit", "QTextEdit", "QTextControl", "QComboBox",
                             "QAbstractItemView", "QHeaderView", "QMessageBoxLabel", "QTabBar",
                             "QGroupBox", "QMenu", "QMenuBar", "QToolTip"})
        QApplication::setPalette(light, kind);
}

} // namespace

QFont textFontFor(const QFont &base, const QLocale &locale)
{
    QStringList first;
    if (locale.language() == QLocale::Japanese)
        first = {QStringLiteral("BIZ UDPGothic"), QStringLiteral("Noto Sans CJK JP")};
    else if (locale.language() == QLocale::Chinese)
        first = {locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("Noto Sans CJK TC")
                                                                  : QStringLiteral("Noto Sans CJK SC")};
    if (first.isEmpty())
        return base;
    QFont font = base;
    font.setFamilies(first + base.families());
    return font;
}

void applyDesignLook()
{
    // The style the windows have always been drawn in, with the light
    // palette; a desktop's own style (Adwaita-Dark, say) would repaint their
    // buttons and faces in its own colours. QApplication owns the style.
    QApplication::setStyle(new DesignStyle);
    // A desktop theme (GNOME's, for one) gives some kinds of widget palettes
    // of their own, which would win over the style's.
    giveKindsTheirPalette(lightPalette());
    // The frame's sizes of the icon now, every size once a window is up.
    auto wholeOffered = std::make_shared<bool>(false);
    QIcon frameSizes;
    addPngSizes(frameSizes, ProgramIconBase, FrameIconSizes);
    QApplication::setWindowIcon(QIcon(new ProgramIconEngine(frameSizes, wholeOffered)));
    whenFirstWindowShown(qApp, std::chrono::seconds(1), [wholeOffered] {
        *wholeOffered = true;
        // Given again, so that the windows there send every size too.
        QApplication::setWindowIcon(QApplication::windowIcon());
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->setWindowIcon(window->windowIcon());
    });
}

} // namespace design
