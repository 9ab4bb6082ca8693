#pragma once

class CSymbolObj;
class JsonWriter;

// One placed object as the info command describes it.
void WriteObjectJson(JsonWriter& json, const CSymbolObj& object);
