// One binding per kind of control: which widget shows it, how its state reaches the widget and
// which user input becomes which of the game's events.
#include "qt/ChartBinding.h"
#include "qt/ControlWidgets.h"
#include "qt/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <algorithm>
#include <numeric>

namespace stumpcraft::qt {

namespace {

    QString ToQ(const std::string& s) { return QString::fromStdString(s); }

    // A binding of model kind M to widget kind W.
    template <typename M, typename W> class Bound : public ControlBinding {
    public:
        Bound(M& model, W* widget, FormWindow& window)
            : ControlBinding(model, widget, window)
            , w_(widget)
        {
        }

    protected:
        // Only while attached: SyncKind is never called otherwise.
        const M& model() const { return static_cast<const M&>(*Model()); }
        template <typename F> void FeedModel(F&& input)
        {
            Feed([&](Control& c) { input(static_cast<M&>(c)); });
        }

        W* w_;
    };

    // Replaces the entries of a list widget or combo only when the model's list changed, so a
    // pick does not rebuild (and scroll) the list.
    template <typename W>
    void SyncItems(
        W& widget, std::vector<std::string>& shown, const std::vector<std::string>& items)
    {
        if (shown == items)
            return;
        shown = items;
        widget.clear();
        for (const auto& item : items)
            widget.addItem(ToQ(item));
    }

    // Each line of a caption cut short with "..." where it is wider than the room.
    QString ElidedLines(const QFontMetrics& metrics, const QString& caption, const QSize& room)
    {
        QStringList lines = caption.split(u'\n');
        for (QString& line : lines)
            line = metrics.elidedText(line, Qt::ElideRight, room.width());
        return lines.join(u'\n');
    }

    // A caption that wraps, cut short with "..." where its lines would not all fit: a word
    // wider than the room (a long name) is cut on its own, then the end of the caption goes
    // until the rest fits.
    QString ElidedWrapped(const QFontMetrics& metrics, const QString& caption, const QSize& room)
    {
        const auto fits = [&](const QString& text) {
            const QRect needed
                = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap, text);
            return needed.width() <= room.width() && needed.height() <= room.height();
        };
        if (fits(caption))
            return caption;
        QStringList words = caption.split(u' ');
        for (QString& word : words)
            word = metrics.elidedText(word, Qt::ElideRight, room.width());
        const QString narrowed = words.join(u' ');
        if (fits(narrowed))
            return narrowed;
        const QChar ellipsis(0x2026);
        qsizetype low = 0, high = narrowed.size(); // the longest start that fits
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (fits(narrowed.left(mid).trimmed() + ellipsis))
                low = mid;
            else
                high = mid - 1;
        }
        return narrowed.left(low).trimmed() + ellipsis;
    }

    // A one-line text cut to the room by shortening the longest of its leading words first,
    // each down to a few letters before the next is touched: those up to its last comma,
    // where a name leads a question ("Name, Will you..."), which stays whole. Only where that
    // is not enough is the end cut.
    QString ElidedLongestWords(const QFontMetrics& metrics, const QString& text, int room)
    {
        constexpr qsizetype kKept = 4;
        QStringList words = text.split(u' ');
        const auto width = [&] { return metrics.horizontalAdvance(words.join(u' ')); };
        qsizetype lead = words.size();
        for (qsizetype i = 0; i < words.size(); ++i)
            if (words[i].endsWith(u','))
                lead = i + 1;
        std::vector<qsizetype> order(static_cast<std::size_t>(lead));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
            return metrics.horizontalAdvance(words[a]) > metrics.horizontalAdvance(words[b]);
        });
        const QChar ellipsis(0x2026);
        for (const qsizetype i : order) {
            QString& word = words[i];
            // A mark after the word (a comma) belongs to the sentence and stays.
            QString tail;
            while (!word.isEmpty() && !word.back().isLetterOrNumber()) {
                tail.prepend(word.back());
                word.chop(1);
            }
            QString core = word;
            word += tail;
            while (width() > room && core.size() > kKept) {
                core.chop(1);
                word = core + ellipsis + tail;
            }
            if (width() <= room)
                return words.join(u' ');
        }
        return metrics.elidedText(words.join(u' '), Qt::ElideRight, room);
    }

    class LabelBinding : public Bound<Label, QLabel> {
    public:
        using Bound::Bound;

        static constexpr int kTextPad = 3;

    protected:
        bool IsSurface() const override { return true; }
        bool KeepsColourWhenDisabled() const override { return true; }
        void SyncKind() override
        {
            const Label& m = model();
            // Labels show their caption as it is: no access keys, no markup.
            w_->setTextFormat(Qt::PlainText);
            w_->setWordWrap(m.WordWrap);
            w_->setFrameStyle(m.Boxed ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
            // Text keeps off a box or a coloured edge, on both sides: a line that wraps stops
            // short of the right edge as it starts clear of the left.
            // (A box is drawn inside the contents margins: it keeps its text off by indent.)
            const int pad = m.Boxed || m.BackColor().set ? Scaled(kTextPad) : 0;
            if (m.Boxed) {
                w_->setIndent(pad);
            } else {
                w_->setIndent(0);
                w_->setContentsMargins(pad, 0, pad, 0);
            }
            const QString caption = ToQ(m.Caption);
            if (m.Elide) {
                const QSize room(std::max(0, Scaled(m.Width) - 2 * (w_->frameWidth() + pad)),
                    std::max(0, Scaled(m.Height) - 2 * w_->frameWidth()));
                const QString shown = m.WordWrap ? ElidedWrapped(w_->fontMetrics(), caption, room)
                                                 : ElidedLines(w_->fontMetrics(), caption, room);
                w_->setText(shown);
                // Cut short, the whole caption is in the tooltip, before any tip of its own.
                if (shown != caption)
                    w_->setToolTip(m.ToolTipText().empty()
                            ? caption
                            : caption + QStringLiteral("\n\n") + ToQ(m.ToolTipText));
            } else {
                w_->setText(caption);
            }
            // Centred in their height, so a caption that wraps onto a second line and one that
            // does not still sit on the same row as their neighbours.
            Qt::Alignment align = Qt::AlignVCenter;
            switch (m.TextAlign()) {
            case Alignment::Left:
                align |= Qt::AlignLeft;
                break;
            case Alignment::Right:
                align |= Qt::AlignRight;
                break;
            case Alignment::Center:
                align |= Qt::AlignHCenter;
                break;
            }
            w_->setAlignment(align);
        }
    };

    class ButtonBinding : public Bound<CommandButton, QPushButton> {
    public:
        ButtonBinding(CommandButton& model, QPushButton* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            // Enter presses the focused button, as it does in a dialog.
            w_->setAutoDefault(true);
            connect(w_, &QPushButton::clicked, this,
                [this] { Feed([](Control& c) { c.UserClick(); }); });
        }

    protected:
        QPalette::ColorRole BackRole() const override { return QPalette::Button; }
        QPalette::ColorRole ForeRole() const override { return QPalette::ButtonText; }
        void SyncKind() override
        {
            w_->setText(ToQ(model().Caption));
            w_->setDefault(model().Default);
        }
    };

    // A group box whose title takes the frame's text colour, as its border's caption should;
    // the style would paint it in the colour of typed text instead.
    class FrameWidget : public QGroupBox {
    public:
        using QGroupBox::QGroupBox;

    protected:
        void initStyleOption(QStyleOptionGroupBox* option) const override
        {
            QGroupBox::initStyleOption(option);
            option->textColor = palette().color(
                isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        }
    };

    class FrameBinding : public Bound<Frame, QGroupBox> {
    public:
        using Bound::Bound;

    protected:
        bool IsSurface() const override { return true; }
        // A title longer than a frame that allows it (a long player name in it) has its name
        // cut short with "...", whole in the tooltip.
        void SyncKind() override
        {
            const Frame& m = model();
            const QString caption = ToQ(m.Caption);
            const QString shown = m.Elide ? ElidedLongestWords(w_->fontMetrics(), caption,
                                      std::max(0, Scaled(m.Width - kTitleMargin)))
                                          : caption;
            w_->setTitle(shown);
            if (shown != caption && m.ToolTipText().empty())
                w_->setToolTip(caption);
        }

    private:
        static constexpr int kTitleMargin = 40; // the style's indent and air around a title
    };

    // A plain panel, or one of the pictures the program draws itself.
    class PictureWidget : public QFrame {
    public:
        using QFrame::QFrame;
        QString picture;

    protected:
        void paintEvent(QPaintEvent* event) override
        {
            QFrame::paintEvent(event);
            QPainter painter(this);
            PaintPicture(painter, contentsRect(), picture);
        }
    };

    class PictureBinding : public Bound<PictureBox, PictureWidget> {
    public:
        using Bound::Bound;

    protected:
        bool IsSurface() const override { return true; }
        void SyncKind() override
        {
            const QString picture = ToQ(model().Picture);
            if (picture != w_->picture) {
                w_->picture = picture;
                w_->update();
            }
            w_->setFrameStyle(model().Boxed ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
        }
    };

    class SliderBinding : public Bound<HScrollBar, QSlider> {
    public:
        SliderBinding(HScrollBar& model, QSlider* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            // A drag reports each step the handle reaches, as it reaches it, so the level's
            // words and odds follow the hand; a step reached again is no change.
            w_->setTracking(true);
            connect(w_, &QSlider::valueChanged, this,
                [this](int value) { FeedModel([value](HScrollBar& m) { m.Value = value; }); });
        }

    protected:
        void SyncKind() override
        {
            const HScrollBar& m = model();
            w_->setRange(std::min<int>(m.Min, m.Max), std::max<int>(m.Min, m.Max));
            // Min above Max: the value grows to the left.
            w_->setInvertedAppearance(m.Min > m.Max);
            w_->setSingleStep(m.SmallChange);
            w_->setPageStep(m.LargeChange);
            // While the handle is held, every mouse move shows the model again: the handle
            // stays in the hand unless the game itself put the value elsewhere.
            if (!w_->isSliderDown() || w_->value() != m.Value)
                w_->setValue(m.Value);
            // A short scale, such as a batsman's level, shows its stops.
            const bool ticks = w_->maximum() - w_->minimum() <= 20 && m.Height >= 20;
            w_->setTickPosition(ticks ? QSlider::TicksBelow : QSlider::NoTicks);
            w_->setTickInterval(1);
        }
    };

    // A check box or option button that answers a click anywhere on it, not only on its
    // indicator and text, as the game's toolkit does.
    template <typename B> class WholeAreaButton : public B {
    public:
        using B::B;

    protected:
        bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
    };
    using CheckWidget = WholeAreaButton<QCheckBox>;
    using OptionWidget = WholeAreaButton<QRadioButton>;

    class CheckBinding : public Bound<CheckBox, QCheckBox> {
    public:
        CheckBinding(CheckBox& model, QCheckBox* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            connect(w_, &QCheckBox::clicked, this, [this] {
                const int value = w_->isChecked() ? 1 : 0;
                FeedModel([value](CheckBox& m) { m.Value = value; });
            });
        }

    protected:
        void SyncKind() override
        {
            const CheckBox& m = model();
            w_->setText(ToQ(m.Caption));
            w_->setTristate(m.Value == 2); // 2: greyed, set only by the program
            w_->setCheckState(m.Value == 1 ? Qt::Checked
                    : m.Value == 2         ? Qt::PartiallyChecked
                                           : Qt::Unchecked);
        }
    };

    class OptionBinding : public Bound<OptionButton, QRadioButton> {
    public:
        OptionBinding(OptionButton& model, QRadioButton* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            // The model clears the other options of the container; Qt must not do it too.
            w_->setAutoExclusive(false);
            connect(w_, &QRadioButton::clicked, this,
                [this] { FeedModel([](OptionButton& m) { m.Value = true; }); });
        }

    protected:
        void SyncKind() override
        {
            w_->setText(ToQ(model().Caption));
            w_->setChecked(model().Value);
        }
    };

    class TextBinding : public Bound<TextBox, QLineEdit> {
    public:
        TextBinding(TextBox& model, QLineEdit* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            connect(w_, &QLineEdit::textEdited, this, [this](const QString& text) {
                FeedModel([&](TextBox& m) { m.Text = text.toStdString(); });
            });
        }

    protected:
        QPalette::ColorRole BackRole() const override { return QPalette::Base; }
        QPalette::ColorRole ForeRole() const override { return QPalette::Text; }
        void SyncKind() override
        {
            const TextBox& m = model();
            SyncFlat(m);
            if (w_->text() != ToQ(m.Text)) {
                // Only when the game changed it: typing keeps its cursor. A text the game
                // puts in shows from its start, not from its padding at the end.
                w_->setText(ToQ(m.Text));
                w_->setCursorPosition(0);
            }
            w_->setMaxLength(m.MaxLength > 0 ? m.MaxLength : 32767);
            w_->setReadOnly(m.Locked);
        }

    private:
        // A locked box shows a figure to read: flat on its panel, in the panel's colours
        // (or its own), with no field, no text cursor and no place in the tab order.
        void SyncFlat(const TextBox& m)
        {
            w_->setFrame(!m.Locked);
            w_->setFocusPolicy(m.Locked ? Qt::NoFocus : Qt::StrongFocus);
            if (m.Locked && m.MousePointer == Cursor::Default)
                w_->setCursor(Qt::ArrowCursor);
            else if (m.MousePointer == Cursor::Default)
                w_->unsetCursor();
            if (!m.Locked)
                return;
            QPalette palette = w_->palette();
            const QWidget* panel = w_->parentWidget();
            const QPalette around = panel ? panel->palette() : palette;
            if (!m.BackColor().set)
                palette.setColor(QPalette::Base, Qt::transparent); // the panel shows through
            if (!m.ForeColor().set)
                for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
                    palette.setColor(
                        group, QPalette::Text, around.color(group, QPalette::WindowText));
            w_->setPalette(palette);
        }
    };

    class ListBinding : public Bound<ListBox, QListWidget> {
    public:
        ListBinding(ListBox& model, QListWidget* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            w_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            connect(w_, &QListWidget::currentRowChanged, this, [this](int row) {
                if (row >= 0)
                    FeedModel([row](ListBox& m) { m.ListIndex = row; });
            });
        }

    protected:
        QPalette::ColorRole BackRole() const override { return QPalette::Base; }
        QPalette::ColorRole ForeRole() const override { return QPalette::Text; }
        void SyncKind() override
        {
            const ListBox& m = model();
            const bool rebuilt = shown_ != m.Items();
            if (shown_.size() == m.Items().size() && rebuilt) {
                // Same rows, new texts (a move or a swap): keep the list where it is.
                for (int i = 0; i < w_->count(); ++i)
                    w_->item(i)->setText(ToQ(m.Items()[static_cast<std::size_t>(i)]));
                shown_ = m.Items();
            } else {
                SyncItems(*w_, shown_, m.Items());
            }
            if (m.ItemHeight > 0 && (rebuilt || itemHeight_ != Scaled(m.ItemHeight))) {
                itemHeight_ = Scaled(m.ItemHeight);
                w_->setUniformItemSizes(true);
                for (int i = 0; i < w_->count(); ++i)
                    w_->item(i)->setSizeHint(QSize(0, itemHeight_));
            }
            if (m.ListIndex < 0) {
                w_->setCurrentRow(-1);
                w_->clearSelection();
            } else {
                w_->setCurrentRow(m.ListIndex);
            }
        }
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (watched == w_ && event->type() == QEvent::KeyPress && Model()) {
                const QString text = static_cast<QKeyEvent*>(event)->text();
                if (text.size() == 1 && text[0].unicode() >= 32 && text[0].unicode() < 127) {
                    int key = text[0].unicode();
                    FeedModel([&key](ListBox& m) { key = m.UserKeyPress(key); });
                    if (key == 0)
                        return true; // the game used it
                }
            }
            return Bound::eventFilter(watched, event);
        }

    private:
        std::vector<std::string> shown_;
        int itemHeight_ = 0;
    };

    // A drop-down list whose open list keeps within the window: an entry longer than that
    // (a long name) is cut short with "..." rather than carrying the list past the window's
    // edge.
    class ComboWidget : public QComboBox {
    public:
        using QComboBox::QComboBox;

        void showPopup() override
        {
            view()->setTextElideMode(Qt::ElideRight);
            QComboBox::showPopup();
            QWidget* popup = view()->window();
            const QWidget* owner = window();
            if (!popup || popup == owner)
                return;
            const QRect bounds(owner->mapToGlobal(QPoint(0, 0)), owner->size());
            QRect list = popup->geometry();
            if (list.width() > bounds.width())
                list.setWidth(bounds.width());
            if (list.right() > bounds.right())
                list.moveRight(bounds.right());
            if (list.left() < bounds.left())
                list.moveLeft(bounds.left());
            if (list != popup->geometry())
                popup->setGeometry(list);
        }
    };

    class ComboBinding : public Bound<ComboBox, QComboBox> {
    public:
        ComboBinding(ComboBox& model, QComboBox* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            w_->setInsertPolicy(QComboBox::NoInsert); // typed text is the game's business
            connect(w_, &QComboBox::activated, this,
                [this](int index) { FeedModel([index](ComboBox& m) { m.ListIndex = index; }); });
        }

    protected:
        QPalette::ColorRole BackRole() const override
        {
            return Model() && !Editable() ? QPalette::Button : QPalette::Base;
        }
        QPalette::ColorRole ForeRole() const override
        {
            return Model() && !Editable() ? QPalette::ButtonText : QPalette::Text;
        }
        void SyncKind() override
        {
            const ComboBox& m = model();
            if (w_->isEditable() != m.Editable)
                w_->setEditable(m.Editable);
            ConnectTyping();
            if (shown_ != m.Items()) {
                SyncItems(*w_, shown_, m.Items());
                // An entry cut short in the open list shows whole in its tooltip.
                for (int i = 0; i < w_->count(); ++i)
                    w_->setItemData(i, w_->itemText(i), Qt::ToolTipRole);
            }
            w_->setCurrentIndex(m.ListIndex);
            if (m.Editable && w_->currentText() != ToQ(m.Text))
                w_->setEditText(ToQ(m.Text));
            // So does the choice, when the closed list cuts it short.
            const QString chosen = w_->currentText();
            if (m.ToolTipText().empty()
                && w_->fontMetrics().horizontalAdvance(chosen) > w_->width() - Scaled(kArrowRoom))
                w_->setToolTip(chosen);
        }

        static constexpr int kArrowRoom = 30; // the arrow button and the frame's margins

    private:
        bool Editable() const { return model().Editable; }

        // An editable combo gets a new line edit each time it becomes editable.
        void ConnectTyping()
        {
            QLineEdit* edit = w_->lineEdit();
            if (!edit || edit == typedInto_)
                return;
            typedInto_ = edit;
            connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
                FeedModel([&](ComboBox& m) { m.Text = text.toStdString(); });
            });
        }

        std::vector<std::string> shown_;
        QPointer<QLineEdit> typedInto_;
    };

    // A row of tab headers over a stack of pages. The pages lie exactly below the headers, so
    // a window model can place controls on a page knowing the page's size.
    class TabStripWidget : public QWidget {
    public:
        explicit TabStripWidget(QWidget* parent)
            : QWidget(parent)
            , bar(new QTabBar(this))
            , pages(new QStackedWidget(this))
        {
            bar->setDrawBase(true);
            bar->setExpanding(false);
        }

        QWidget* Page(int page)
        {
            page = std::max(page, 0);
            while (pages->count() <= page)
                pages->addWidget(new QWidget);
            return pages->widget(page);
        }

        // The headers' height at the window's zoom.
        void SetHeaderHeight(int height)
        {
            if (height != header_) {
                header_ = height;
                LayOut();
            }
        }

        QTabBar* bar;
        QStackedWidget* pages;

    protected:
        void resizeEvent(QResizeEvent*) override { LayOut(); }

    private:
        void LayOut()
        {
            bar->setGeometry(0, 0, width(), header_);
            pages->setGeometry(0, header_, width(), std::max(0, height() - header_));
        }

        int header_ = TabStrip::HeaderHeight;
    };

    class TabBinding : public Bound<TabStrip, TabStripWidget> {
    public:
        TabBinding(TabStrip& model, TabStripWidget* widget, FormWindow& window)
            : Bound(model, widget, window)
        {
            connect(w_->bar, &QTabBar::currentChanged, this,
                [this](int tab) { FeedModel([tab](TabStrip& m) { m.Tab = tab; }); });
        }

        QWidget* ChildHost(int page) override { return w_->Page(page); }

    protected:
        bool IsSurface() const override { return true; }
        void SyncKind() override
        {
            const TabStrip& m = model();
            const QSignalBlocker blocker(w_->bar);
            w_->SetHeaderHeight(Scaled(TabStrip::HeaderHeight));
            const int tabs = std::max(1, m.Tabs());
            while (w_->bar->count() < tabs)
                w_->bar->addTab(QString());
            while (w_->bar->count() > tabs)
                w_->bar->removeTab(w_->bar->count() - 1);
            for (int i = 0; i < m.Tabs(); ++i)
                w_->bar->setTabText(i, ToQ(m.TabCaptions[static_cast<std::size_t>(i)]));
            w_->Page(tabs - 1);
            w_->bar->setCurrentIndex(m.Tab);
            w_->pages->setCurrentIndex(m.Tab);
        }
    };

    template <typename B, typename W, typename M>
    ControlBinding* Make(Control& control, QWidget* host, FormWindow& window)
    {
        return new B(static_cast<M&>(control), new W(host), window);
    }

} // namespace

ControlBinding* CreateBinding(Control& control, QWidget* host, FormWindow& window)
{
    ControlBinding* binding = nullptr;
    // Every kind is listed: a new kind of control must be given a widget here.
    switch (control.kind()) {
    case Control::Kind::Label:
        binding = Make<LabelBinding, QLabel, Label>(control, host, window);
        break;
    case Control::Kind::CommandButton:
        binding = Make<ButtonBinding, QPushButton, CommandButton>(control, host, window);
        break;
    case Control::Kind::Frame:
        binding = Make<FrameBinding, FrameWidget, Frame>(control, host, window);
        break;
    case Control::Kind::PictureBox:
        binding = Make<PictureBinding, PictureWidget, PictureBox>(control, host, window);
        break;
    case Control::Kind::HScrollBar: {
        auto* slider = new QSlider(Qt::Horizontal, host);
        binding = new SliderBinding(static_cast<HScrollBar&>(control), slider, window);
        break;
    }
    case Control::Kind::CheckBox:
        binding = Make<CheckBinding, CheckWidget, CheckBox>(control, host, window);
        break;
    case Control::Kind::TextBox:
        binding = Make<TextBinding, QLineEdit, TextBox>(control, host, window);
        break;
    case Control::Kind::ListBox:
        binding = Make<ListBinding, QListWidget, ListBox>(control, host, window);
        break;
    case Control::Kind::ComboBox:
        binding = Make<ComboBinding, ComboWidget, ComboBox>(control, host, window);
        break;
    case Control::Kind::OptionButton:
        binding = Make<OptionBinding, OptionWidget, OptionButton>(control, host, window);
        break;
    case Control::Kind::TabStrip:
        binding = Make<TabBinding, TabStripWidget, TabStrip>(control, host, window);
        break;
    case Control::Kind::Chart:
        binding = CreateChartBinding(control, host, window);
        break;
    }
    if (binding)
        binding->Sync();
    return binding;
}

} // namespace stumpcraft::qt
