// Measures what a big window costs: a window of about 2,000 controls built from a layout, laid
// out and painted, against an empty window of the same size, each from the moment its creation
// starts to the end of its first paint. Prints the times and "first_paint/empty=<ratio>".
//
// Then what long lists cost: rows of about 15 controls, each built from a row layout, appended
// to the list of a shown window, which is then painted; 1,000 rows and 10,000 rows in the same
// run, five times each. Prints "rows10k/rows1k=<ratio> rows10k_ms=<milliseconds>" (linear cost gives about 10).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "Control.h"
#include "DibSurface_win.h"
#include "LayoutBuilder.h"
#include "List.h"
#include "SkinWindow.h"
#include "Skin_win.h"
#include "ToolkitTestSupport.h"

namespace {

const int kRows = 100;  // 100 rows of 20 controls each, and their row containers

std::string BigLayout() {
  std::string xml = u8R"(<Window size="1024,720"><VerticalLayout bkcolor="#FFFFFFFF">)";
  for (int r = 0; r < kRows; ++r) {
    xml += u8R"(<HorizontalLayout height="7" childpadding="1">)";
    for (int c = 0; c < 5; ++c) {
      xml += u8R"(<Label text="文件名称.pdf" textcolor="#FF333333" endellipsis="true"/>)";
      xml += u8R"(<Button text="打开" bkcolor="#FF24CF6B" textcolor="#FFFFFFFF" width="30"/>)";
      xml += u8R"(<Option group="g)" + std::to_string(r) + u8R"(" width="10" bkcolor="#FFF2F2F2"/>)";
      xml += u8R"(<Progress value="40" text="40%" width="40"/>)";
    }
    xml += "</HorizontalLayout>";
  }
  return xml + "</VerticalLayout></Window>";
}

// A list window and a row of the work lists: 15 controls, every one in a cell under a column.
const char kListWindow[] = u8R"(<Window size="1024,720"><VerticalLayout bkcolor="#FFFFFFFF">
  <List name="list" itemhotbkcolor="#FFF2F2F2">
    <ListHeader height="30">
      <ListHeaderItem text="编号" width="50"/><ListHeaderItem text="文件名称"/><ListHeaderItem text="页数" width="50"/>
      <ListHeaderItem text="页码选择" width="100"/><ListHeaderItem text="状态" width="150"/>
      <ListHeaderItem text="文件" width="80"/><ListHeaderItem text="移除" width="40"/>
    </ListHeader>
  </List>
</VerticalLayout></Window>)";
const char kRowLayout[] = u8R"(<ListContainerElement height="40">
  <HorizontalLayout><Label name="id" text="1" align="center"/></HorizontalLayout>
  <HorizontalLayout><Label name="filename" text="季度报告.pdf" endellipsis="true"/></HorizontalLayout>
  <HorizontalLayout><Label name="filepage" text="读取中" align="center"/></HorizontalLayout>
  <HorizontalLayout inset="10,7,10,7"><Button name="btn_pagerange" text="全部" bordersize="1"/></HorizontalLayout>
  <HorizontalLayout inset="10,12,10,12"><Progress name="progress" text="0%"/></HorizontalLayout>
  <HorizontalLayout inset="10,10,10,10"><Button name="btn_openfile" text="打开" bkcolor="#FF24CF6B"/></HorizontalLayout>
  <HorizontalLayout inset="10,10,10,10"><Button name="btn_movefile" text="×"/></HorizontalLayout>
</ListContainerElement>)";

class CBenchWindow : public CSkinWindow {
 public:
  explicit CBenchWindow(std::string layout) : m_layout(std::move(layout)) {}
  ~CBenchWindow() override {
    if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
  }

 protected:
  const char* GetWindowClassName() const override { return "UIToolkitBenchWnd"; }
  std::string GetSkinFile() const override { return m_layout; }

 private:
  std::string m_layout;
};

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Creation to the end of the first paint, in milliseconds.
double FirstPaint(const std::string& layout) {
  const double start = NowMs();
  CBenchWindow wnd(layout);
  wnd.Create(nullptr, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  UpdateWindow(wnd.GetHWND());
  const double end = NowMs();
  if (wnd.GetPaintManager().PaintCount() < 1) std::printf("warning: %s was not painted\n", layout.c_str());
  return end - start;
}

// Appending `rows` rows built from the row layout to the list of a shown window, to the end of
// the paint that shows them, in milliseconds.
double AppendRowsAndPaint(int rows) {
  CBenchWindow wnd("rows.xml");
  wnd.Create(nullptr, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  UpdateWindow(wnd.GetHWND());
  auto* list = static_cast<CList*>(wnd.GetPaintManager().FindControl("list"));
  const int paints = wnd.GetPaintManager().PaintCount();
  const double start = NowMs();
  for (int i = 0; i < rows; ++i) list->Add(BuildLayout("row.xml", nullptr));
  UpdateWindow(wnd.GetHWND());
  const double end = NowMs();
  if (list->GetCount() != rows || wnd.GetPaintManager().PaintCount() == paints) {
    std::printf("warning: %d rows were not all added and painted\n", rows);
  }
  return end - start;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  const std::string big = BigLayout();
  const std::string empty = u8R"(<Window size="1024,720"><VerticalLayout bkcolor="#FFFFFFFF"/></Window>)";
  // Both windows load their layouts from an archive in memory, like the program's skin.
  UseSkin({{"big.xml", big}, {"empty.xml", empty}, {"rows.xml", kListWindow}, {"row.xml", kRowLayout}});

  // Phases of the big window on their own, without a native window.
  CPaintManager pm;
  double t = NowMs();
  auto root = BuildLayoutFromText(big, &pm);
  const double buildMs = NowMs() - t;
  int controls = 0;
  root->Visit([&](CControl&) { ++controls; });
  pm.AttachRoot(std::move(root));
  t = NowMs();
  pm.UpdateLayout();
  const double layoutMs = NowMs() - t;
  CDibSurface surface;
  surface.Resize(1024, 720);
  t = NowMs();
  pm.Render(surface, {0, 0, 1024, 720});
  const double paintMs = NowMs() - t;

  std::vector<double> emptyRuns, bigRuns;
  FirstPaint("empty.xml");  // warms up classes, fonts and GDI+
  for (int i = 0; i < 5; ++i) {
    emptyRuns.push_back(FirstPaint("empty.xml"));
    bigRuns.push_back(FirstPaint("big.xml"));
  }
  const double emptyMs = Median(emptyRuns), bigMs = Median(bigRuns);
  std::printf("controls=%d build_ms=%.1f layout_ms=%.1f paint_ms=%.1f\n", controls, buildMs, layoutMs, paintMs);
  std::printf("empty_first_paint_ms=%.1f big_first_paint_ms=%.1f (median of 5)\n", emptyMs, bigMs);
  std::printf("first_paint/empty=%.2f\n", bigMs / emptyMs);

  std::vector<double> runs1k, runs10k;
  // A first long list takes the memory of all the rows from the system; later lists reuse it.
  AppendRowsAndPaint(10000);
  for (int i = 0; i < 5; ++i) {
    runs1k.push_back(AppendRowsAndPaint(1000));
    runs10k.push_back(AppendRowsAndPaint(10000));
  }
  const double rows1kMs = Median(runs1k), rows10kMs = Median(runs10k);
  std::printf("rows1k_ms=%.1f (median of 5)\n", rows1kMs);
  std::printf("rows10k/rows1k=%.2f rows10k_ms=%.1f\n", rows10kMs / rows1kMs, rows10kMs);
  return 0;
}
