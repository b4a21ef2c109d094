// Lists of rows built from a row layout, in a real window: a thousand rows, removing in the
// middle and all, cells under the header's columns, the button-cell-row chain, scrolling by bar
// and wheel, clicks and selection, and painting only the rows in view.
#include <gtest/gtest.h>

#include "LayoutBuilder.h"
#include "List.h"
#include "ListElements.h"
#include "ListHeader.h"
#include "Render_win.h"
#include "ScrollBar.h"
#include "ToolkitTestSupport.h"

namespace {

const char kListLayout[] = u8R"(<Window size="640,430">
  <VerticalLayout>
    <List name="list" itemselectedbkcolor="#FFD2F3E0" inset="0,0,0,0">
      <ListHeader height="30">
        <ListHeaderItem text="编号" width="50"/>
        <ListHeaderItem text="文件名称"/>
        <ListHeaderItem text="页数" width="50"/>
        <ListHeaderItem text="状态" width="150"/>
        <ListHeaderItem text="移除" width="40"/>
        <ListHeaderItem width="1"/>
      </ListHeader>
    </List>
  </VerticalLayout>
</Window>)";

// A row as the work lists have them: every control sits in a cell, hidden keys at the end.
const char kRowLayout[] = u8R"(<ListContainerElement height="40">
  <HorizontalLayout><Label name="id" align="center"/></HorizontalLayout>
  <HorizontalLayout><Label name="filename" endellipsis="true"/></HorizontalLayout>
  <HorizontalLayout><Label name="filepage" text="读取中"/></HorizontalLayout>
  <HorizontalLayout><Progress name="progress" text="0%"/></HorizontalLayout>
  <HorizontalLayout inset="10,10,10,10"><Button name="btn_movefile" width="20" height="20"/></HorizontalLayout>
  <Container><Label name="filepath" visible="false"/></Container>
</ListContainerElement>)";

std::unique_ptr<CControl> MakeRow(int number) {
  std::unique_ptr<CControl> row = BuildLayout("listitem.xml", nullptr);
  row->FindByName("id")->SetText(std::to_string(number));
  row->FindByName("filepath")->SetText("C:\\docs\\" + std::to_string(number) + ".pdf");
  return row;
}

std::string IdOf(const CControl* row) { return const_cast<CControl*>(row)->FindByName("id")->GetText(); }

UiPoint Centre(const CControl* c) { return {(c->GetPos().left + c->GetPos().right) / 2, (c->GetPos().top + c->GetPos().bottom) / 2}; }

void Wheel(HWND wnd, UiPoint at, int notches) {
  POINT pt{at.x, at.y};
  ClientToScreen(wnd, &pt);
  SendMessageA(wnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -notches * WHEEL_DELTA), MAKELPARAM(pt.x, pt.y));
}

// A control that counts how often it is painted.
class CPaintCounter : public CControl {
 public:
  explicit CPaintCounter(int& count) : m_count(count) {}
  void DoPaint(CRenderContext& rc) override {
    if (GetPos().Intersects(rc.Clip())) ++m_count;
    CControl::DoPaint(rc);
  }

 private:
  int& m_count;
};

class ListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSkin({{"list.xml", kListLayout}, {"listitem.xml", kRowLayout}});
    ASSERT_TRUE(wnd.Open());
    list = static_cast<CList*>(wnd.Find("list"));
    ASSERT_NE(list, nullptr);
    PumpUntil([&] { return !wnd.log.empty(); });  // windowinit
    wnd.log.clear();
  }
  void Fill(int rows) {
    for (int i = 1; i <= rows; ++i) ASSERT_TRUE(list->Add(MakeRow(i)));
    wnd.GetPaintManager().UpdateLayout();
  }
  CTestWindow wnd{"list.xml"};
  CList* list = nullptr;
};

}  // namespace

TEST_F(ListTest, AThousandRowsFromARowLayoutLineUpUnderTheHeader) {
  Fill(1000);
  EXPECT_EQ(list->GetCount(), 1000);
  EXPECT_EQ(list->GetContentHeight(), 40000);
  // The scroll bar takes its width from the rows, and the header narrows with them.
  const UiRect body = list->GetBodyRect();
  EXPECT_EQ(body.top, 30);
  EXPECT_EQ(body.right, 640 - 10);
  const std::vector<UiRect> columns = list->ColumnRects();
  ASSERT_EQ(columns.size(), 6u);
  EXPECT_EQ(columns.back().right, body.right);
  EXPECT_EQ(columns[1].Width(), 630 - 50 - 50 - 150 - 40 - 1);

  const RowRange shown = list->VisibleRows();
  EXPECT_EQ(shown.first, 0);
  EXPECT_EQ(shown.last, 10);  // 400 pixels of 40-pixel rows
  for (int r = shown.first; r < shown.last; ++r) {
    auto* row = static_cast<CContainer*>(list->GetItemAt(r));
    EXPECT_EQ(row->GetPos().top, body.top + 40 * r);
    for (int c = 0; c < 5; ++c) {
      EXPECT_EQ(row->GetItemAt(c)->GetPos().left, columns[c].left) << "row " << r << " cell " << c;
      EXPECT_EQ(row->GetItemAt(c)->GetPos().right, columns[c].right) << "row " << r << " cell " << c;
    }
  }

  // A row's button, its cell and the row: the grandparent of the button is the row.
  CControl* row = list->GetItemAt(2);
  CControl* button = wnd.GetPaintManager().FindSubControl(row, "btn_movefile");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->GetParent()->GetParent(), row);
  EXPECT_EQ(list->GetItemIndex(button->GetParent()->GetParent()), 2);
  EXPECT_EQ(wnd.GetPaintManager().FindSubControl(row, "filepath")->GetText(), "C:\\docs\\3.pdf");
}

TEST_F(ListTest, RemovingInTheMiddleAndRemovingAllKeepTheListWhole) {
  Fill(1000);
  CControl* middle = list->GetItemAt(499);
  CControl* next = list->GetItemAt(500);
  ASSERT_TRUE(list->SelectItem(499));
  ASSERT_TRUE(list->Remove(middle));
  // The removed row can still be read while the current message is handled.
  EXPECT_EQ(IdOf(middle), "500");
  EXPECT_EQ(list->GetCount(), 999);
  EXPECT_EQ(list->GetItemAt(499), next);
  EXPECT_EQ(list->GetItemIndex(next), 499);
  EXPECT_EQ(list->GetCurSel(), -1);  // the selection went with its row
  EXPECT_FALSE(list->RemoveAt(999));

  ASSERT_TRUE(list->AddAt(MakeRow(0), 0));
  EXPECT_EQ(IdOf(list->GetItemAt(0)), "0");
  EXPECT_EQ(list->GetItemIndex(next), 500);

  list->SetScrollPos(20000);
  list->RemoveAll();
  wnd.GetPaintManager().UpdateLayout();
  PumpFor(20);  // removed rows are destroyed after the message
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetContentHeight(), 0);
  EXPECT_EQ(list->GetScrollPos(), 0);
  EXPECT_EQ(list->GetBodyRect().right, 640);  // no scroll bar without rows
  EXPECT_EQ(wnd.GetPaintManager().FindControlAt(100, 100), list);

  Fill(3);
  EXPECT_EQ(list->GetCount(), 3);
  EXPECT_EQ(list->GetItemAt(0)->GetPos().top, 30);
}

TEST_F(ListTest, ScrollingHitsAndClicksTheRowsInView) {
  Fill(1000);
  CPaintManager& pm = wnd.GetPaintManager();
  const HWND h = wnd.GetHWND();
  const UiPoint inBody{300, 30 + 15};

  Wheel(h, inBody, 1);  // three rows a notch
  EXPECT_EQ(list->GetScrollPos(), 120);
  EXPECT_EQ(list->VisibleRows().first, 3);
  Wheel(h, inBody, -5);
  EXPECT_EQ(list->GetScrollPos(), 0);

  // The track below the thumb pages down; dragging the thumb to the bottom reaches the end.
  auto* bar = static_cast<CScrollBar*>(pm.FindControlAt(635, 300));
  ASSERT_NE(bar, nullptr);
  ClickAt(h, 635, 420);
  EXPECT_EQ(list->GetScrollPos(), 400);
  const UiRect thumb = bar->ThumbRect();
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(635, thumb.top + 2));
  SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(635, 2000));
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(635, 2000));
  EXPECT_EQ(list->GetScrollPos(), 40000 - 400);

  // Scrolled to row 700: a click on its plain content selects it; its button keeps its click.
  list->SetScrollPos(700 * 40);
  CControl* row700 = list->GetItemAt(700);
  EXPECT_EQ(pm.FindControlAt(300, 31), row700);
  ClickAt(h, 300, 31 + 20);
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"itemclick:", "itemselect:list"}));
  EXPECT_EQ(list->GetCurSel(), 700);
  EXPECT_TRUE(dynamic_cast<IListElement*>(row700)->IsSelected());
  wnd.log.clear();
  const UiPoint remove = Centre(pm.FindSubControl(row700, "btn_movefile"));
  EXPECT_EQ(remove.y, 30 + 20);
  ClickAt(h, remove.x, remove.y);
  EXPECT_EQ(wnd.log, std::vector<std::string>{"click:btn_movefile"});
  EXPECT_EQ(list->GetCurSel(), 700);
  // Selecting in code; selecting the selected row again says nothing.
  wnd.log.clear();
  EXPECT_TRUE(list->SelectItem(3));
  EXPECT_TRUE(list->SelectItem(3));
  EXPECT_FALSE(list->SelectItem(1000));
  EXPECT_EQ(wnd.log, std::vector<std::string>{"itemselect:list"});
  EXPECT_FALSE(dynamic_cast<IListElement*>(row700)->IsSelected());
}

TEST_F(ListTest, OnlyTheRowsInViewArePainted) {
  int painted = 0;
  for (int i = 0; i < 1000; ++i) {
    auto row = std::make_unique<CListContainerElement>();
    row->SetFixedHeight(40);
    auto counter = std::make_unique<CPaintCounter>(painted);
    counter->SetBkColor(0xFFFF0000);
    row->Add(std::move(counter));
    list->Add(std::move(row));
  }
  CPaintManager& pm = wnd.GetPaintManager();
  pm.UpdateLayout();
  CDibSurface surface;
  ASSERT_TRUE(surface.Resize(640, 430));
  pm.Render(surface, {0, 0, 640, 430});
  EXPECT_EQ(painted, 10);
  // Half a row scrolled: eleven rows show a part, and none is drawn over the header. (The
  // counters fill the first column.)
  list->SetScrollPos(20);
  painted = 0;
  pm.Render(surface, {0, 0, 640, 430});
  EXPECT_EQ(painted, 11);
  EXPECT_EQ(surface.Pixel(25, 35), 0xFFFF0000u);
  EXPECT_NE(surface.Pixel(25, 15), 0xFFFF0000u);
}
