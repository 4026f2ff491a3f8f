#pragma once
// A small structural check of a JSON document against a JSON schema: the
// keywords type, required, properties, additionalProperties (false), items,
// enum and minimum, which is all the command-line schemas use. Returns the
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

inline void CheckJson(const nlohmann::json& value, const nlohmann::json& schema, const std::string& where,
                      std::vector<std::string>& problems)
{
    if (schema.contains("type") && !JsonHasType(value, schema["type"].get<std::string>())) {
        problems.push_back(where + ": not of type " + schema["type"].get<std::string>());
        return;
    }
    if (schema.contains("enum") && std::find(schema["enum"].begin(), schema["enum"].end(), value) == schema["enum"].end())
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
                CheckJson(member, properties[key], where + "." + key, problems);
            else if (schema.value("additionalProperties", true) == false)
                problems.push_back(where + ": unexpected " + key);
        }
    }
    if (value.is_array() && schema.contains("items"))
        for (std::size_t i = 0; i < value.size(); ++i)
            CheckJson(value[i], schema["items"], where + "[" + std::to_string(i) + "]", problems);
}

inline std::vector<std::string> JsonSchemaProblems(const nlohmann::json& value, const nlohmann::json& schema)
{
    std::vector<std::string> problems;
    CheckJson(value, schema, "$", problems);
    return problems;
}

}  // namespace castovin::test
