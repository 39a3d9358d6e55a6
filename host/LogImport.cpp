#include "host/LogImport.h"

#include <QSqlDatabase>
#include <QSqlError>

#include "host/LogDatabase.h"

namespace q9xhost {

namespace {
ContactFields fieldsOf(const ImportedContact& contact)
{
  return ContactFields{contact.value("CallSign"),   contact.value("DigiBand"),
                       contact.value("QSOMode"),    contact.value("Continent"),
                       contact.value("QSOReportRecived"), contact.value("MainPrefix"),
                       contact.value("DXCCPrefix")};
}
}  // namespace

ImportResult addToLog(LogDatabase& log, const q9xkit::PluginExports& plugin, const HostSession& session,
                      const std::vector<ImportedContact>& contacts, const QString& path)
{
  QSqlDatabase db = log.database();
  if (!db.transaction())
    throw ImportError(("Cannot start a transaction on the log: " + db.lastError().text()).toStdString());
  ImportResult result;
  try {
    for (const ImportedContact& contact : contacts) {
      const TPluginRecord rec = makeRecord(session, fieldsOf(contact));
      const int32_t answer = plugin.AddQSO(&rec);
      ImportedContact row = contact;
      row.set(LogDatabase::kAnswerColumn, QString::number(answer));
      try {
        log.addRow(row.values);
      } catch (const std::exception& e) {
        throw importErrorAt(path, contact.lineNumber, {}, QString::fromLocal8Bit(e.what()));
      }
      ++result.added;
      if (answer < 0) ++result.repeats;
    }
    if (!db.commit()) throw ImportError(("Cannot commit the import: " + db.lastError().text()).toStdString());
  } catch (...) {
    db.rollback();
    throw;
  }
  return result;
}

}  // namespace q9xhost
