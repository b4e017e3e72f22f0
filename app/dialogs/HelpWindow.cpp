// SPDX-License-Identifier: MIT
// Laying out the help page: the pictures in a strip on the left, the words on the right.
#include "dialogs/HelpWindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <string_view>

#include "platform/Translations.h"
#include "window/Shortcuts.h"

namespace quadrelle::app {

namespace {

constexpr int kPicturesPerRow = 3;
constexpr int kPictureSpacing = 4; // as between the squares of the board
constexpr int kRuleSpacing = 12;

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* paragraph(const QString& html, QWidget* parent) {
    auto* label = new QLabel(html, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* plainText(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

// The template picture the page names by its file's name; the play layer's tests check that
// every name it gives is one.
Picture pictureNamed(std::string_view name) {
    for (int n = 0; n < kPictureCount; ++n)
        if (pictureName(static_cast<Picture>(n)) == name) return static_cast<Picture>(n);
    return Picture::SqEmpty;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    const play::HelpPage page = play::helpPage(gameLanguage());
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(qtText(page.title));
    setModal(false);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(buildPage(page));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(680, 600);
}

QWidget* HelpWindow::buildPage(const play::HelpPage& page) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    for (const play::HelpRule& rule : page.rules) addRule(grid, rule);
    addKeys(grid, page);
    grid->setRowStretch(grid->rowCount(), 1);
    return widget;
}

void HelpWindow::addRule(QGridLayout* grid, const play::HelpRule& rule) {
    const TemplatePictures& set = rule.colourSymbols ? symbolPictures_ : pictures_;
    const int row = grid->rowCount();
    auto* strip = new QGridLayout;
    strip->setSpacing(kPictureSpacing);
    strip->setContentsMargins(0, kRuleSpacing, 0, 0);
    int n = 0;
    for (const char* name : rule.pictures) {
        auto* label = new QLabel;
        label->setPixmap(set[pictureNamed(name)]);
        label->setFixedSize(60, 60);
        label->setObjectName(QStringLiteral("picture"));
        strip->addWidget(label, n / kPicturesPerRow, n % kPicturesPerRow);
        ++n;
    }
    grid->addLayout(strip, row, 0, Qt::AlignRight | Qt::AlignTop);
    const QString html = QStringLiteral("<b>%1</b><br>%2")
                             .arg(qtText(rule.title).toHtmlEscaped(), qtText(rule.text).toHtmlEscaped());
    QLabel* words = paragraph(html, grid->parentWidget());
    words->setContentsMargins(0, kRuleSpacing, 0, 0);
    grid->addWidget(words, row, 1);
}

void HelpWindow::addKeys(QGridLayout* grid, const play::HelpPage& page) {
    QLabel* heading = paragraph(QStringLiteral("<b>%1</b>").arg(qtText(page.keysHeading).toHtmlEscaped()),
                                grid->parentWidget());
    heading->setContentsMargins(0, 2 * kRuleSpacing, 0, 0);
    grid->addWidget(heading, grid->rowCount(), 0, 1, 2);
    for (const play::HelpKeyGroup& group : page.keyGroups) addKeyGroup(grid, group);
}

void HelpWindow::addKeyGroup(QGridLayout* grid, const play::HelpKeyGroup& group) {
    QWidget* page = grid->parentWidget();
    QLabel* headingLabel = plainText(qtText(group.heading), page);
    headingLabel->setContentsMargins(0, kRuleSpacing, 0, 0);
    grid->addWidget(headingLabel, grid->rowCount(), 0, 1, 2);
    for (const play::HelpKey& key : group.keys) {
        const int row = grid->rowCount();
        QLabel* keys = plainText(keysTextOf(*key.shortcut), page);
        keys->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QFont bold = keys->font();
        bold.setBold(true);
        keys->setFont(bold);
        grid->addWidget(keys, row, 0);
        grid->addWidget(plainText(qtText(key.description), page), row, 1);
    }
}

HelpWindow* showHelpWindow(QWidget* parent) {
    auto* help = parent ? parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!help) help = new HelpWindow(parent);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}

} // namespace quadrelle::app
