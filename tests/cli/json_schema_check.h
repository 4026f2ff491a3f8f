#pragma once
// A small structural check of a JSON document against a JSON schema: the
// keywords type (a name or a list of names), required, properties,
// additionalProperties (false), items, enum, minimum and $ref to "#/$defs/...",
// which is all the command-line schemas use. Returns the
// places that do not match, empty when the document fits.

#include <algorithm>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace castovin::test {

inline bool JsonHasType(const nlohmann::json& value, const std::string& type)
{
    if (type == "object")
        return value.is_object();
    if (type == "array")
        return value.is_array();
    if (type == "string")
        return value.is_string();
    if (type == "integer")
        return value.is_number_integer();
    if (type == "number")
        return value.is_number();
    if (type == "boolean")
        return value.is_boolean();
    return type == "null" && value.is_null();
}

inline bool JsonHasAnyType(const nlohmann::json& value, const nlohmann::json& types)
{
    if (types.is_string())
        return JsonHasType(value, types.get<std::string>());
    return std::any_of(types.begin(), types.end(),
                       [&value](const nlohmann::json& type) { return JsonHasType(value, type.get<std::string>()); });
}

inline void CheckJson(const nlohmann::json& value, const nlohmann::json& schema, const std::string& where,
                      std::vector<std::string>& problems, const nlohmann::json& root)
{
    if (schema.contains("$ref")) {
        const std::string ref = schema["$ref"].get<std::string>();
        const std::string prefix = "#/$defs/";
        if (ref.rfind(prefix, 0) != 0 || !root.contains("$defs") ||
            !root["$defs"].contains(ref.substr(prefix.size()))) {
            problems.push_back(where + ": unresolved " + ref);
            return;
        }
        CheckJson(value, root["$defs"][ref.substr(prefix.size())], where, problems, root);
        return;
    }
    if (schema.contains("type") && !JsonHasAnyType(value, schema["type"])) {
        problems.push_back(where + ": not of type " + schema["type"].dump());
        return;
    }
    if (schema.contains("enum") &&
        std::find(schema["enum"].begin(), schema["enum"].end(), value) == schema["enum"].end())
        problems.push_back(where + ": " + value.dump() + " is not one of " + schema["enum"].dump());
    if (schema.contains("minimum") && value.is_number() && value.get<double>() < schema["minimum"].get<double>())
        problems.push_back(where + ": below the minimum");
    if (value.is_object()) {
        for (const auto& key : schema.value("required", nlohmann::json::array()))
            if (!value.contains(key.get<std::string>()))
                problems.push_back(where + ": missing " + key.get<std::string>());
        const nlohmann::json properties = schema.value("properties", nlohmann::json::object());
        for (const auto& [key, member] : value.items()) {
            if (properties.contains(key))
                CheckJson(member, properties[key], where + "." + key, problems, root);
            else if (schema.value("additionalProperties", true) == false)
                problems.push_back(where + ": unexpected " + key);
        }
    }
    if (value.is_array() && schema.contains("items"))
        for (std::size_t i = 0; i < value.size(); ++i)
            CheckJson(value[i], schema["items"], where + "[" + std::to_string(i) + "]", problems, root);
}

inline std::vector<std::string> JsonSchemaProblems(const nlohmann::json& value, const nlohmann::json& schema)
{
    std::vector<std::string> problems;
    CheckJson(value, schema, "$", problems, schema);
    return problems;
}

}  // namespace castovin::test
