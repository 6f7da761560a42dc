#pragma once

#include <QString>

namespace ferlo {

// The stored print option: true = print pictures through their device-independent form.
// Reads the store anew on every call, creating the key when it is missing; an absent value, or a
// store that can be neither opened nor created, reads as true.
// Throws ERegistryException (a ferlo::Error) with "Failed to get data for 'PrintAsDIB'" or
// "Invalid data type for 'PrintAsDIB'" when the stored value is not a 4-byte integer.
bool get_PrintAsDIB();

// Stores 1 or 0. When the key can neither be opened nor created, throws a ferlo::Error that names
// the settings file and the system's reason; a failed write throws
// "Failed to set data for 'PrintAsDIB'" followed by the file and the reason on a second line.
void save_PrintAsDIB(bool printAsDib);

// The stored word-backs option: true = print a back page of words after each card. Stored as the
// DWORD "PrintWordBacks" beside "PrintAsDIB", read and saved the same way and failing the same
// way; an absent value, or a store that can be neither opened nor created, reads as false.
bool get_PrintWordBacks();
void save_PrintWordBacks(bool wordBacks);

// The back offset of a printer (by its name): how far its back pages are moved so that they meet
// their fronts, in tenths of a millimetre, x to the right and y down as the back is printed, each
// within kMaxBackOffset. Stored as the DWORDs "NAME X" and "NAME Y" under the key
// Software\Ferlo\BackOffsets, read and saved as the flags above are; absent values read as 0,
// and a stored value beyond the bound reads as the bound. The empty name stands for PDF output
// (Print to File, Export PDF, no printer at all): its offset is stored under
// kPdfOutputOffsetName, a name no printer of the system can have, and read from the values once
// stored under the empty name (" X", " Y") until it has been saved.
struct BackOffset {
    int x = 0;
    int y = 0;
    bool operator==(const BackOffset&) const = default;
};
constexpr int kMaxBackOffset = 100; // 10 mm
inline constexpr char kPdfOutputOffsetName[] = "PDF output";
BackOffset get_BackOffset(const QString& printerName);
void save_BackOffset(const QString& printerName, BackOffset offset);

} // namespace ferlo
