// The marker that tags a drawing as one of the product suite: an entry
// "KovtOrlMarker" in the drawing's named-objects dictionary. What the entry
// holds is up to the application that registers the creator.
#pragma once

class PnDbDatabase;

namespace ORL_Tools {

inline constexpr const wchar_t* kOrlMarkerName = L"KovtOrlMarker";

class KovtIMarkerCreator {
 public:
  virtual ~KovtIMarkerCreator() = default;
  // Adds the marker under `name` to the database; true when it did.
  virtual bool CreateMarker(PnDbDatabase* database, const wchar_t* name) = 0;
};

// Each takes the working database for a null one and answers false (or does
// nothing) when there is no database at all.
bool IsOrlMarker(PnDbDatabase* database);
// True when the marker exists; otherwise what the registered creator answers,
// false without one.
bool InitOrlMarker(PnDbDatabase* database);
// Removes and erases the marker; a drawing without one is left alone.
void DeleteOrlMarker(PnDbDatabase* database);

// One creator serves the process; null unregisters. The caller keeps it alive.
void RegisterMarkerCreator(KovtIMarkerCreator* creator);

}  // namespace ORL_Tools
