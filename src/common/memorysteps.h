#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

// Large texts let go of away from the UI thread give their memory back to the system a few
// megabytes at a time. Taken back at once, hundreds of megabytes hold the process's memory map
// for tens of milliseconds, and the UI thread waits for it as soon as it asks for memory.
namespace memorysteps {

// Whether this thread is not the application's UI thread (nor is there an application).
bool awayFromUiThread();

// Gives back the pages of a block this thread alone holds; what it held reads as zeros after.
void giveBack(void* data, std::size_t bytes);

// The text's pages, when this is its only reference (else nothing is done); the text is left
// empty.
void giveBack(QByteArray& bytes);
void giveBack(QString& text);

template <typename T> void giveBack(std::vector<T>& items) {
    giveBack(items.data(), items.capacity() * sizeof(T));
    std::vector<T>().swap(items);
}

} // namespace memorysteps
