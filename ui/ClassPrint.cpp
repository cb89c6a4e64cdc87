#include "ui/ClassPrint.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <numeric>
#include <vector>

#include "screens/ClassTable.h"
#include "ui/ClassLegend.h"
#include "ui/Mirroring.h"
#include "ui/TextConversion.h"

namespace vcq::ui {

namespace {

struct Cell {
  QString text;
  Rgb fill = colors::kWhite;
  Rgb ink = colors::kBlack;
};
using Row = std::vector<Cell>;

// Pages as they are filled: a head on each, then a table's header row
// again wherever a table goes on to a new page.
class Pages {
 public:
  Pages(QPrinter& printer, QString head) : printer_(printer), head_(std::move(head)) {
    painter_.begin(&printer_);
    page_ = printer_.pageLayout().paintRectPixels(printer_.resolution());
    page_.moveTo(0, 0);
    line_ = painter_.fontMetrics().height() * 3 / 2;
    StartPage(false);
  }
  ~Pages() { painter_.end(); }

  void Title(const QString& text) {
    Room(3 * line_);
    QFont bold = painter_.font();
    bold.setBold(true);
    painter_.save();
    painter_.setFont(bold);
    painter_.drawText(QRect(page_.left(), y_, page_.width(), line_), Qt::AlignVCenter, text);
    painter_.restore();
    y_ += line_;
  }

  // The heat map's scale, as the window shows it above its tables.
  void Legend() {
    Room(2 * line_);
    const QFontMetrics fm = painter_.fontMetrics();
    const int gap = fm.averageCharWidth();
    int x = page_.left();
    const auto text = [&](const QString& t) {
      const int w = fm.horizontalAdvance(t);
      painter_.setPen(Qt::black);
      painter_.drawText(QRect(x, y_, w, line_), Qt::AlignVCenter, t);
      x += w + gap;
    };
    text(LegendTitle());
    const int width = fm.horizontalAdvance(QStringLiteral("100–100")) + 2 * gap;
    for (const LegendSwatch& s : LegendSwatches()) {
      const QRect box(x, y_, width, line_);
      painter_.fillRect(box, Qc(s.fill));
      painter_.setPen(QColor(0x80, 0x80, 0x80));
      painter_.drawRect(box);
      painter_.setPen(Qc(s.ink));
      painter_.drawText(box, Qt::AlignCenter, s.range);
      x += width;
    }
    x += gap;
    text(LegendNote());
    y_ += line_ * 3 / 2;
  }

  // `weights` share the page's width among the columns.
  void Table(const Row& header, const std::vector<Row>& rows, const std::vector<int>& weights) {
    const int total = std::max(1, std::accumulate(weights.begin(), weights.end(), 0));
    std::vector<int> x{page_.left()};
    for (int w : weights) x.push_back(x.back() + page_.width() * w / total);
    Room(2 * line_);
    DrawRow(header, x, true);
    for (const Row& r : rows) {
      if (!Room(line_)) DrawRow(header, x, true);
      DrawRow(r, x, false);
    }
    y_ += line_ / 2;
  }

 private:
  // Whether `h` fits below; otherwise a new page is started.
  bool Room(int h) {
    if (y_ + h <= page_.bottom()) return true;
    StartPage(true);
    return false;
  }

  void StartPage(bool next) {
    if (next) printer_.newPage();
    ++number_;
    painter_.drawText(QRect(page_.left(), page_.top(), page_.width(), line_),
                      Qt::AlignLeft | Qt::AlignVCenter, head_);
    painter_.drawText(QRect(page_.left(), page_.top(), page_.width(), line_),
                      Qt::AlignRight | Qt::AlignVCenter, QString::number(number_));
    painter_.drawLine(page_.left(), page_.top() + line_, page_.right(), page_.top() + line_);
    y_ = page_.top() + line_ * 3 / 2;
  }

  void DrawRow(const Row& row, const std::vector<int>& x, bool header) {
    for (std::size_t c = 0; c < row.size() && c + 1 < x.size(); ++c) {
      // A row of one cell is a message across the table.
      const int right = row.size() == 1 ? x.back() : x[c + 1];
      const QRect box(x[c], y_, right - x[c], line_);
      painter_.fillRect(box, header ? QColor(0xA9, 0xD5, 0xD6) : Qc(row[c].fill));
      painter_.setPen(QColor(0x80, 0x80, 0x80));
      painter_.drawRect(box);
      painter_.setPen(Qc(row[c].ink));
      // Half a character's room inside each border, at any resolution.
      const int pad = painter_.fontMetrics().averageCharWidth() / 2;
      const QString text =
          painter_.fontMetrics().elidedText(row[c].text, Qt::ElideRight, box.width() - 2 * pad);
      painter_.drawText(box.adjusted(pad, 0, -pad, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
    }
    y_ += line_;
  }

  QPrinter& printer_;
  QPainter painter_;
  QString head_;
  QRect page_;
  int line_ = 0;
  int y_ = 0;
  int number_ = 0;
};

Row ClassHeader(const ClassSection& s) {
  Row r;
  for (int c = 0; c < ColumnCount(s); ++c) r.push_back({QString::fromStdString(ColumnName(s, c))});
  return r;
}

std::vector<Row> ClassRows(const ClassSection& s) {
  std::vector<Row> rows;
  for (const ClassRow& cr : s.rows) {
    Row r;
    for (int c = 0; c < ColumnCount(s); ++c) {
      Cell cell{QString::fromStdString(CellText(s, cr, c))};
      if (const auto rate = CellRate(s, cr, c); rate >= 0) {
        cell.fill = classcolors::HeatOf(rate).fill;
        cell.ink = classcolors::HeatOf(rate).text;
      }
      if (c == 0 && cr.inUse) cell.text += QStringLiteral(" (使用中)");
      r.push_back(cell);
    }
    rows.push_back(r);
    if (!cr.problem.empty())
      rows.push_back(
          {{QStringLiteral("  ") + QString::fromStdString(cr.problem), classcolors::kProblem}});
  }
  if (!s.bankPath.empty()) {
    Row total;
    for (int c = 0; c < ColumnCount(s); ++c)
      total.push_back({QString::fromStdString(ClassCellText(s, c)), classcolors::kProblem});
    rows.push_back(total);
  }
  return rows;
}

}  // namespace

void PrintClass(QPrinter& printer, const ClassTable& t, const QString& date) {
  Pages pages(
      printer,
      QStringLiteral("クラスの成績  %1  %2").arg(date, QString::fromStdString(PlacesText(t))));
  pages.Legend();
  for (const ClassSection& s : t.sections) {
    pages.Title(s.bankPath.empty() ? QStringLiteral("問題ファイルがわからない成績") : Qs(s.title));
    std::vector<int> weights{4, 3};
    weights.resize(ColumnCount(s), 2);
    pages.Table(ClassHeader(s), ClassRows(s), weights);
    if (s.hard.empty()) continue;
    pages.Title(QStringLiteral("まちがいの多い問題"));
    Row header{{QStringLiteral("分野")}, {QStringLiteral("問題")}, {QStringLiteral("英文")}};
    for (const HardLevelColumn& c : kHardLevelColumns)
      header.push_back({QString::fromUtf8(c.name)});
    std::vector<Row> hard;
    for (const HardQuestion& h : s.hard) {
      Row row{{h.lesson >= 0 && h.lesson < s.lessons ? Qs(s.lessonName[h.lesson]) : ""},
              {Qs(h.prompt)},
              {Qs(h.sentence)}};
      for (const HardLevelColumn& c : kHardLevelColumns)
        row.push_back({QString::number(h.atLevel[c.kind])});
      hard.push_back(std::move(row));
    }
    pages.Table(header, hard, {3, 6, 8, 1, 1, 1, 1});
  }
}

}  // namespace vcq::ui
