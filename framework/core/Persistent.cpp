#include "framework/core/Persistent.h"

void TPersistent::Assign(TPersistent* Source) {
  if (Source)
    Source->AssignTo(this);
  else
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) {
  Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source) {
  const String SourceName = Source ? Source->ClassName() : String("nil");
  throw EAssignError("Cannot assign a " + SourceName + " to a " + ClassName());
}
