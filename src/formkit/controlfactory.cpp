#include "formkit/controlfactory.h"

#include "formkit/accessibility.h"
#include "formkit/designlayout.h"
#include "look/designunits.h"
#include "formkit/formlabel.h"
#include "formkit/mcicontrol.h"
#include "formkit/picturebox.h"

#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// What a control is to assistive technology: beyond the window's design,
// so in the learner's language (the designs mark them for translation).
QString translatedRole(const QString &role)
{
    return role.isEmpty() ? role : QCoreApplication::translate("ControlRole", role.toUtf8().constData());
}

void applyColours(QWidget &widget, const ControlDesign &c, QPalette::ColorRole backRole)
{
    QPalette p = widget.palette();
    if (c.backColor)
        p.setColor(backRole, design::colorFromBgr(*c.backColor));
    if (c.foreColor)
        p.setColor(QPalette::WindowText, design::colorFromBgr(*c.foreColor));
    widget.setPalette(p);
}

void describe(QWidget &widget, const ControlDesign &c)
{
    widget.setObjectName(QString::fromLatin1(c.name));
    widget.setAccessibleDescription(translatedRole(c.role));
}

void addLabel(FormWindow &window, const ControlDesign &c)
{
    auto *label = new FormLabel(&window);
    describe(*label, c);
    applyColours(*label, c, QPalette::Window);
    label->setFramed(c.framed);
    label->setAlignment((c.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setCaption(c.caption);
    window.designLayout().add(*label, c);
}

// Return and Enter click a focused command button, as Space does: what a
// keyboard user of a forms program expects of every button, default or not.
class ReturnClicks final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        if (auto *button = qobject_cast<QPushButton *>(watched); button && button->isEnabled())
            button->click();
        return true;
    }
};

void addButton(FormWindow &window, const ControlDesign &c)
{
    auto *button = new QPushButton(c.caption, &window);
    describe(*button, c);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    button->installEventFilter(new ReturnClicks(button));
    window.designLayout().add(*button, c);
}

void addPicture(FormWindow &window, const ControlDesign &c)
{
    const QRect geometry = DesignLayout::pixelGeometry(c, 1.0);
    auto *picture = new PictureBox(&window, geometry.size() - QSize(2 * PictureBox::FrameWidth, 2 * PictureBox::FrameWidth), c.scaleWidth,
                                   c.scaleHeight);
    describe(*picture, c);
    picture->setAccessibleName(translatedRole(c.role));
    QPalette p = picture->palette();
    // Without a colour of its own a picture box shows the window's face.
    p.setColor(QPalette::Base, c.backColor ? design::colorFromBgr(*c.backColor)
                                           : p.color(QPalette::Window));
    p.setColor(QPalette::Text, c.foreColor ? design::colorFromBgr(*c.foreColor)
                                           : QColor(Qt::black));
    picture->setPalette(p);
    picture->Cls();
    window.designLayout().add(*picture, c);
}

void addLine(FormWindow &window, const ControlDesign &c)
{
    auto *line = new QFrame(&window);
    describe(*line, c);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    QPalette p = line->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    line->setPalette(p);
    window.designLayout().add(*line, c);
}

void addTimer(FormWindow &window, const ControlDesign &c)
{
    auto *timer = new QTimer(&window);
    timer->setObjectName(QString::fromLatin1(c.name));
    // The automatic pace must hold at 100 ms, not drift to the coarse timer's 5 %.
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(c.interval);
}

} // namespace

ControlFactory::ControlFactory(SoundPlayer *sound)
    : sound_(sound)
{
}

void ControlFactory::createControl(FormWindow &window, const ControlDesign &c) const
{
    switch (c.kind) {
    case ControlKind::Label:
        addLabel(window, c);
        break;
    case ControlKind::CommandButton:
        addButton(window, c);
        break;
    case ControlKind::PictureBox:
        addPicture(window, c);
        break;
    case ControlKind::Line:
        addLine(window, c);
        break;
    case ControlKind::Timer:
        addTimer(window, c);
        break;
    case ControlKind::Multimedia:
        if (sound_) {
            auto *control = new MciControl(&window, *sound_);
            describe(*control, c);
            control->setVisible(c.visible);
            window.designLayout().add(*control, c);
        }
        break;
    }
}

std::unique_ptr<FormWindow> ControlFactory::createWindow(const FormDesign &d) const
{
    installAccessibility();
    auto window = std::make_unique<FormWindow>(d);
    window->setObjectName(QString::fromLatin1(d.name));
    window->setWindowTitle(d.caption);
    window->setMinimumSize(window->clientSize(DesignLayout::MinimumZoom));
    window->resize(window->clientSize(1.0));
    if (!d.icon.isNull())
        window->setWindowIcon(d.icon);
    // The frame's buttons are spelt out: left to Qt, it adds every one.
    Qt::WindowFlags frame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
    if (d.frameCloseButton)
        frame |= Qt::WindowCloseButtonHint;
    window->setWindowFlags(frame);

    for (const ControlDesign &c : d.controls)
        createControl(*window, c);
    window->layOut();
    // A value display says its caption's words before its own.
    for (const ControlDesign &c : d.controls) {
        if (!c.labelledBy)
            continue;
        auto *value = window->findChild<FormLabel *>(QString::fromLatin1(c.name));
        auto *caption = window->findChild<FormLabel *>(QString::fromLatin1(c.labelledBy));
        if (value && caption)
            value->setCaptionLabel(caption);
    }

    // Tab order over the controls that can take the focus; the first one
    // holds it when the window opens.
    std::vector<std::pair<int, QWidget *>> focusable;
    for (const ControlDesign &c : d.controls) {
        if (c.tabIndex < 0
            || (c.kind != ControlKind::CommandButton && c.kind != ControlKind::PictureBox))
            continue;
        if (auto *w = window->findChild<QWidget *>(QString::fromLatin1(c.name)))
            focusable.emplace_back(c.tabIndex, w);
    }
    std::sort(focusable.begin(), focusable.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusable.size(); ++i)
        QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
    if (!focusable.empty())
        focusable.front().second->setFocus();
    return window;
}
