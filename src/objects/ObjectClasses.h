#pragma once

class CClassRegistry;

// The placed-object classes documents, symbol files, undo records and the
// clipboard may hold, by their stored names.
const CClassRegistry& ObjectClasses();
