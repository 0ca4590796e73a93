// The framework's class library in one include. How a class publishes its properties, one line each
// (getter, then setter; a data member alone is both; a getter alone is read-only):
//
//   PUBLISHED_ENUM(TSkinFormType, sfMainform, sfOnlyThisForm, sfDialog, sfDLL)
//   PUBLISHED_ENUM(TSkinControlType, xcMainMenu, xcPopupMenu, xcButton)
//   using TSkinControlTypes = TSet<TSkinControlType>;
//
//   class TSkinData : public TComponent {
//     DECLARE_CLASS(TSkinData, TComponent)
//    public:
//     explicit TSkinData(TComponent* AOwner);
//     static void Publish(TPublisher<TSkinData>& P) {
//       P.Bool("Active", &TSkinData::Active, &TSkinData::SetActive);
//       P.Int("DisableTag", &TSkinData::FDisableTag);                  // plain field
//       P.Set("SkinControls", &TSkinData::FSkinControls);
//       P.Enum("SkinFormtype", &TSkinData::FSkinFormtype);
//       P.Str("SkinFile", &TSkinData::SkinFile, &TSkinData::LoadFromFile);
//       P.WStr("Caption", &TSkinData::Caption, &TSkinData::SetCaption);
//       P.Color("Color", &TSkinData::FColor).Default(0);                // not written when 0
//       P.Obj("Skin3rd", &TSkinData::Skin3rd, &TSkinData::SetControlList);  // owned TStrings
//       P.Int("DataSize", &TSkinData::DataSize).Stored(false);           // read-only
//       P.Event("OnSkinChanged", &TSkinData::OnSkinChanged);             // a TNotifyEvent member
//     }
//     void DefineProperties(TFiler& Filer) override {                   // custom binary property
//       TComponent::DefineProperties(Filer);
//       Filer.DefineBinaryProperty("SkinStream", [this](TStream& S) { ReadData(S); },
//                                  [this](TStream& S) { WriteData(S); }, true);
//     }
//     ...
//   };
//
// A form class also publishes its component fields and the handlers its description binds by name,
// and is registered so descriptions can name it:
//   P.Field("btn1", &TForm1::btn1);
//   P.Method<&TForm1::btn1Click>("btn1Click");
//   RegisterComponentClasses<TForm1, TSkinData>();
//
// Properties are then reached by name on any object (TypInfo.h), and descriptions are read and
// written with Description.h.
#pragma once

#include "framework/core/Collection.h"
#include "framework/core/Component.h"
#include "framework/core/Events.h"
#include "framework/core/Object.h"
#include "framework/core/Persistent.h"
#include "framework/core/Streams.h"
#include "framework/core/Strings.h"
#include "framework/core/SysUtils.h"
#include "framework/core/TypInfo.h"
#include "framework/core/Types.h"
