// SPDX-License-Identifier: MIT
// The rules and keys of the help window.
#include "dialogs/HelpWindow.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include "window/Shortcuts.h"

namespace quadrelle::app {

namespace {

constexpr int kPicturesPerRow = 3;
constexpr int kPictureSpacing = 4; // as between the squares of the board
constexpr int kRuleSpacing = 12;

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

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("How to play"));
    setModal(false);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(buildPage());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(680, 600);
}

QWidget* HelpWindow::buildPage() {
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);
    using enum Picture;
    addRule(grid, {Sq0, Sq1, Sq2, Sq3, Sq4}, tr("Five colours"),
            tr("Every square has one of five colours, and its colour also sets the size of its "
               "outline: pink is a small dot, green, yellow and red grow larger, and blue fills "
               "the whole square."));
    addRule(grid, {Sq3, Sq3up, Sq3down}, tr("Three in a row"),
            tr("Three squares of one colour side by side in a row or a column react, whatever their "
               "arrows: they are removed, the other squares close up, and new squares fill the "
               "gaps. Four in a line are two reactions. The new board may react again: a chain of "
               "two or more reactions is a combo, shown at the top right."));
    addRule(grid, {Sq1up, Sq2down}, tr("Colour step"),
            tr("Click a square with an arrow to step its colour once along the arrow, for one "
               "point: up to the next larger outline, down to the next smaller. A step up to blue "
               "or down to pink takes the arrow away: the square is plain from then on. The board "
               "reacts a second after your last click, so you can make several quick clicks before "
               "it does."));
    addRule(grid, {Sq2updown}, tr("Two-way squares"),
            tr("A square with both arrows steps up when you click its upper half and down when "
               "you click its lower half. A step takes away the other arrow."));
    addRule(grid, {Sq0up, Sq4down}, tr("Colour search"),
            tr("Right-click an arrow square (or click it with Shift, Ctrl or Alt held) to try every "
               "colour its arrow can reach, nearest first: the first that reacts is kept. When "
               "none reacts, the square stays as it was. A search earns no point itself, only its "
               "reactions score; and a search that ends on blue or pink leaves the square plain, "
               "without its arrow."));
    addRule(grid, {Sq1234}, tr("Wildcard"),
            tr("The multi-coloured square counts as every colour in a run of three. It has no "
               "arrow and cannot be erased. It appears from level 4 on."));
    addRule(grid, {Sq2, Tri2r}, tr("Erasers"),
            tr("A square without an arrow cannot change. Click or right-click it to spend an "
               "eraser: it breaks up and is removed. A row or column whose six squares all react "
               "at once earns an eraser (you hold at most 3) and sweeps every square of its colour "
               "off the board."));
    addRule(grid, {}, tr("Score, levels and the end"),
            tr("Each reaction scores 10 points once you have made your first move. Every 20 "
               "reactions raise the level (\"Left\" counts them down); higher levels bring more "
               "squares without arrows. The game is over when nothing reacts and no square can "
               "change any more. Play goes on after \"Game Over\": an eraser still removes a plain "
               "square, the squares that fall in may bring arrows back, and the game can end again "
               "with a higher score. \"New Game\" starts again at the start level you choose "
               "below it."));
    addRule(grid, {}, tr("Hint"),
            tr("Press H for a hint. A white frame marks, for two seconds, a square whose colour "
               "step reacts now, or else one whose colour search does, or else, while you hold an "
               "eraser, one whose erasing does; its corner shows the move: an arrow up or down, a "
               "magnifying glass for the search, a cross for the eraser, and the move is also "
               "written below the board. When no move reacts, the board says so. While the board "
               "is still reacting, the hint waits until it settles."));
    addRule(grid, {Sq0, Sq1, Sq2, Sq3, Sq4, Sq1234}, tr("Colour symbols"),
            tr("Press C to give every square a symbol of its colour, to tell the colours apart by "
               "shape: a ring on pink, a triangle on green, bars on yellow, a plus on red, a star on "
               "blue and an asterisk on the wildcard. C again takes them away."),
            true);
    addKeys(grid);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

void HelpWindow::addRule(QGridLayout* grid, std::initializer_list<Picture> pictures, const QString& title,
                         const QString& text, bool withSymbols) {
    const TemplatePictures& set = withSymbols ? symbolPictures_ : pictures_;
    const int row = grid->rowCount();
    auto* strip = new QGridLayout;
    strip->setSpacing(kPictureSpacing);
    strip->setContentsMargins(0, kRuleSpacing, 0, 0);
    int n = 0;
    for (const Picture picture : pictures) {
        auto* label = new QLabel;
        label->setPixmap(set[picture]);
        label->setFixedSize(60, 60);
        label->setObjectName(QStringLiteral("picture"));
        strip->addWidget(label, n / kPicturesPerRow, n % kPicturesPerRow);
        ++n;
    }
    grid->addLayout(strip, row, 0, Qt::AlignRight | Qt::AlignTop);
    const QString html = QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), text.toHtmlEscaped());
    QLabel* words = paragraph(html, grid->parentWidget());
    words->setContentsMargins(0, kRuleSpacing, 0, 0);
    grid->addWidget(words, row, 1);
}

void HelpWindow::addKeys(QGridLayout* grid) {
    QWidget* page = grid->parentWidget();
    QLabel* heading = paragraph(QStringLiteral("<b>%1</b>").arg(tr("Keys").toHtmlEscaped()), page);
    heading->setContentsMargins(0, 2 * kRuleSpacing, 0, 0);
    grid->addWidget(heading, grid->rowCount(), 0, 1, 2);
    // Window keys, the board's keys, then the entries that only the menu offers.
    addKeyGroup(grid, ShortcutScope::Window, true, tr("Anywhere in the window:"));
    addKeyGroup(grid, ShortcutScope::Board, true,
                tr("While the board has the focus (Tab reaches it after the other controls):"));
    addKeyGroup(grid, ShortcutScope::Window, false, tr("Only in the menu:"));
}

void HelpWindow::addKeyGroup(QGridLayout* grid, ShortcutScope scope, bool withKeys, const QString& heading) {
    QWidget* page = grid->parentWidget();
    QLabel* headingLabel = plainText(heading, page);
    headingLabel->setContentsMargins(0, kRuleSpacing, 0, 0);
    grid->addWidget(headingLabel, grid->rowCount(), 0, 1, 2);
    for (const Shortcut& shortcut : shortcuts()) {
        if (shortcut.scope != scope || shortcut.keys.empty() == withKeys) continue;
        const int row = grid->rowCount();
        QLabel* keys = plainText(keysTextOf(shortcut), page);
        keys->setAlignment(Qt::AlignRight | Qt::AlignTop);
        QFont bold = keys->font();
        bold.setBold(true);
        keys->setFont(bold);
        grid->addWidget(keys, row, 0);
        grid->addWidget(plainText(descriptionOf(shortcut), page), row, 1);
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
