#pragma once

#include "store/FoodItem.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class EFoodNodeKind { Category, Name, Size };

/// One node of a food tree. A category node carries its category; an
/// item-name node carries the first shown size of its group; a size node
/// carries that size. Labels are read from the data, so an edited item
/// relabels its nodes by itself.
struct SFoodNode
{
    EFoodNodeKind kind = EFoodNodeKind::Category;
    CItemCategory* category = nullptr;   ///< category nodes only; not owned
    CFoodItem* item = nullptr;           ///< name and size nodes; not owned
    SFoodNode* parent = nullptr;         ///< null at the top level
    std::vector<std::unique_ptr<SFoodNode>> children;

    std::string_view Label() const;
};

/// Told of every change of a CFoodTree after it was built, so a window
/// showing the tree can follow.
class CFoodTreeObserver
{
public:
    virtual ~CFoodTreeObserver() = default;
    virtual void NodeAdded(const SFoodNode& node) = 0;
    /// Called once the node has left its parent's children (null: the top
    /// level), before it and its children are destroyed.
    virtual void NodeRemoved(const SFoodNode* parent, const SFoodNode& node) = 0;
    virtual void NodeChanged(const SFoodNode& node) = 0;
};

/// The three-level tree of categories, item names and serving sizes that
/// the Carb Info page and the food picker show. Owns its nodes, not the
/// catalogue they point at. UI thread only.
class CFoodTree
{
public:
    /// The page's tree: items with any of the bits 0x0F left out; a group's
    /// name node stands at its first remaining size. Records each node in
    /// its category or size item (the display handle).
    static CFoodTree BuildPageTree(const std::vector<std::unique_ptr<CItemCategory>>& categories);
    /// The picker's tree: like the page's (deleted items hidden), but a
    /// name node starts only a group opened by a size code 1; a size met
    /// before any group of its category stands at the top level. Records no
    /// display handles.
    static CFoodTree BuildPickerTree(const std::vector<std::unique_ptr<CItemCategory>>& categories);

    const std::vector<std::unique_ptr<SFoodNode>>& Roots() const { return m_roots; }

    /// Appends a node as the last child of `parent` (the top level for null).
    SFoodNode& Append(SFoodNode* parent, EFoodNodeKind kind, CItemCategory* category, CFoodItem* item);
    /// Removes the node and its children; clears the display handles that point at them.
    void Remove(SFoodNode& node);
    /// Tells the observer that a node's label may have changed.
    void Changed(const SFoodNode& node);

    void SetObserver(CFoodTreeObserver* observer) { m_pObserver = observer; }

    /// The tree as text: categories, item names indented two blanks, sizes four.
    std::string Text() const;

private:
    static CFoodTree Build(const std::vector<std::unique_ptr<CItemCategory>>& categories, bool picker);

    std::vector<std::unique_ptr<SFoodNode>> m_roots;
    bool m_bRecordHandles = false;
    CFoodTreeObserver* m_pObserver = nullptr;
};

/// Any of these attribute bits keeps an item out of the trees.
inline constexpr std::int32_t kAttribHidden = 0x0F;
