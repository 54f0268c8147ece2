#pragma once

#include <memory>
#include <string>

#include "app/DmodSources.h"
#include "data/IniFile.h"
#include "data/Tdmod.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace setuptest {

// The program as the setup windows see it: a data root in a temporary folder, the data
// module and its data sources made current, every question going to a script.
struct App {
    bwtest::TempDir dir;
    bw::Tdmod module;
    std::unique_ptr<bw::DmodSources> sources;
    bwtest::ScriptedPrompter prompter;

    App()
    {
        module.dmodCreate(dir.path().string());
        module.setPrompter(&prompter);
        bw::dmod = &module;
        sources = std::make_unique<bw::DmodSources>(module);
        bw::dmodSources = sources.get();
    }
    ~App()
    {
        bw::dmodSources = nullptr;
        sources.reset();
        bw::dmod = nullptr;
    }

    void ini(const std::string& section, const std::string& key, const std::string& value)
    {
        bw::IniFile f(module.SettingsPath());
        f.writeString(section, key, value);
        f.save();
    }
    bw::IniFile settings() const { return bw::IniFile(module.SettingsPath()); }

    // One record per value into one field of a table.
    static void addRecords(xbase::Table& t, const char* field, std::initializer_list<const char*> values)
    {
        for (const char* v : values) {
            t.append();
            t.setField(field, v);
            t.post();
        }
    }

    void addClass(const std::string& section, const std::string& name, const std::string& group,
                  const std::string& key)
    {
        xbase::Table& t = module.AllClasses;
        t.append();
        t.setField("section", section);
        t.setField("classname", name);
        t.setField("cat_group", group);
        t.setField("allkey", key);
        t.post();
    }
};

} // namespace setuptest
