#pragma once
// What the lifecycle tests share: a Qt host with an empty log table on its
// default connection, a host record, and the heap the process holds.

#include <QWidget>
#include <cstddef>

#include "plugin/q9xcup.h"
#include "tests/support/LoadedPlugin.h"
#include "tests/support/LogTable.h"

namespace q9xtest {

// The record a host hands over: the log table, its own prefix, and a contact
// on 7 MHz from inside the area.
TPluginRecord hostRecord();

// Bytes the allocator has handed out and not got back.
std::size_t heapInUse();

// The named child of the plug-in's top-level window of that name, or null.
template <class Child>
Child* childOf(const char* window, const char* name)
{
  QWidget* w = topLevel(window);
  return w ? w->findChild<Child*>(QString::fromLatin1(name)) : nullptr;
}

}  // namespace q9xtest
