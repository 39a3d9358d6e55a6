#include "StatisticsWindowHost.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "plugin/q9xcup.h"

namespace q9x::test {

StatisticsWindowHost::~StatisticsWindowHost()
{
  collectingErrors([this] { window.reset(); });
}

TfmMainForm& StatisticsWindowHost::open(std::int32_t connection, const std::string& table,
                                        const std::string& band, const std::string& myMainPrefix)
{
  current = TPluginRecord{};
  current.Connection = connection;
  writeShort(current.TableName, table);
  writeShort(current.DigiBand, band);
  writeShort(current.MyMainPrefix, myMainPrefix);
  writeShort(current.CaptionText, "Test host");
  collectingErrors([&] {
    window = std::make_unique<TfmMainForm>(recordHost);
    window->show();
  });
  return *window;
}

void StatisticsWindowHost::recalc()
{
  collectingErrors([this] { window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click(); });
}

QString StatisticsWindowHost::cell(int row, int column) const
{
  const QTableWidgetItem* item =
      window->findChild<QTableWidget*>(QStringLiteral("StringGrid1"))->item(row, column);
  return item ? item->text() : QString();
}

QString StatisticsWindowHost::scoreLine() const
{
  return window->findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

bool StatisticsWindowHost::recalcEnabled() const
{
  return window->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isEnabled();
}

}  // namespace q9x::test
