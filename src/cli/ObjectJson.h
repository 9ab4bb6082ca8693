#pragma once

class CDocumentContext;
class CSymbolObj;
class JsonWriter;

// One placed object as the info command describes it; a code's module in
// dots at the layout's resolution when the layout is given.
void WriteObjectJson(JsonWriter& json, const CSymbolObj& object, const CDocumentContext* layout = nullptr);
