// Form descriptions: a component tree as text (syntax in DescriptionTree.h).
//
// Reading creates each nested component by its registered class name, owned by the root, and hands
// it the enclosing component through SetParentComponent; it fills the root's published field of the
// same name, sets properties in file order (published ones, then those of DefineProperties), binds
// events to the root's published handlers by name, resolves references to other components once the
// whole tree is read, and then calls Loaded on every component read (root first). csLoading holds
// until Loaded, csReading while reading.
//
// Any error raises EParserError naming the line ("Line 7: Unknown property Colour of TButton"); then
// every component this read created is freed again and no Loaded runs. The root itself (usually a
// pre-existing form) stays, keeping the property values already applied.
#pragma once

#include "framework/core/Component.h"

class TStream;

// Root must be of the class the description names, or derive from it. A nested component whose name
// the root already owns (same class) is read into rather than created.
void ReadComponentFromText(std::string_view Text, TComponent* Root);
// Creates the root from its registered class, owned by Owner; nothing is left behind on failure.
TComponent* CreateComponentFromText(std::string_view Text, TComponent* Owner);
// Writes Root and what its GetChildren lists; properties equal to their declared default, empty
// strings, unassigned events and nil objects are left out.
String WriteComponentToText(TComponent* Root);

// The same on streams (UTF-8 text from the stream's position to its end).
void ReadComponentFromStream(TStream& Stream, TComponent* Root);
void WriteComponentToStream(TStream& Stream, TComponent* Root);
