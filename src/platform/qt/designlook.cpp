#include "platform/qt/designlook.h"

#include "platform/qt/designstyle.h"
#include "platform/qt/firstwindow.h"

#include <QApplication>
#include <QIconEngine>
#include <QImageReader>
#include <QWidget>

#include <array>
#include <memory>


namespace design {

QPalette lightPalette()
{
    // The light colours the program has always shown on a desktop without a
    // theme of its own (Qt's Fusion colours), written out: Fusion itself
    // follows a dark desktop theme. Every colour is set one by one, so each
    // counts as chosen and none is left to the theme or the style.
    const QColor face(239, 239, 239);
    const QColor dark = face.darker(150);
    const QColor mid = face.darker(130);
    const QColor shadow = dark.darker(135);
    const QColor disabledText(190, 190, 190);
    QColor placeholder(Qt::black);
    placeholder.setAlpha(128);
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        p.setColor(group, QPalette::WindowText, disabled ? disabledText : QColor(Qt::black));
        p.setColor(group, QPalette::Button, face);
        p.setColor(group, QPalette::Light, face.lighter(150));
        p.setColor(group, QPalette::Midlight, mid.lighter(110));
        p.setColor(group, QPalette::Dark, disabled ? QColor(209, 209, 209).darker(110) : dark);
        p.setColor(group, QPalette::Mid, mid);
        p.setColor(group, QPalette::Text, disabled ? disabledText : QColor(Qt::black));
        p.setColor(group, QPalette::BrightText, Qt::white);
        p.setColor(group, QPalette::ButtonText, disabled ? disabledText : QColor(Qt::black));
        p.setColor(group, QPalette::Base, disabled ? face : QColor(Qt::white));
        p.setColor(group, QPalette::Window, face);
        p.setColor(group, QPalette::Shadow, disabled ? shadow.lighter(150) : shadow);
        p.setColor(group, QPalette::Highlight, disabled ? QColor(145, 145, 145) : QColor(48, 140, 198));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Link, Qt::blue);
        p.setColor(group, QPalette::LinkVisited, Qt::magenta);
        p.setColor(group, QPalette::AlternateBase, QColor(247, 247, 247));
        p.setColor(group, QPalette::ToolTipBase, QColor(255, 255, 220));
        p.setColor(group, QPalette::ToolTipText, Qt::black);
        p.setColor(group, QPalette::PlaceholderText, placeholder);
    }
    return p;
}

namespace {

// The sizes a window's frame and the task bar show, then the larger ones
// for task switchers and docks.
constexpr std::array FrameIconSizes{32, 16, 22, 24, 48, 64};
constexpr std::array LargeIconSizes{128, 256};

const QString ProgramIconBase = QStringLiteral(":/icons/shootalot");

} // namespace

void addPngSizes(QIcon &icon, const QString &base, std::span<const int> sizes)
{
    for (int size : sizes) {
        QImageReader reader(QStringLiteral("%1-%2.png").arg(base).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
}

QIcon iconSet(const QString &base)
{
    QIcon icon;
    addPngSizes(icon, base, FrameIconSizes);
    addPngSizes(icon, base, LargeIconSizes);
    return icon;
}

namespace {

// The program's icon, of which only the frame's sizes are offered, and
// decoded, until the first window is on the screen: decoded, made and sent
// to an X display with that window, the two large sizes held its first
// question back (about 15 ms sent, 5 ms decoded).
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
